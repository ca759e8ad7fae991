// SPDX-FileCopyrightText: 2026 The Quintara developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The About window: icon, title, version, a notice and the translation-info button.
#pragma once

#include "win32/Form.h"
#include "win32/Panel.h"
#include "win32/TranslationInfoButton.h"

#include <memory>

namespace win32 {

class Tabout : public TForm {
  public:
    explicit Tabout(HWND owner);
    ~Tabout() override;

    std::unique_ptr<TPanel> Panel1;
    std::unique_ptr<TPanel> Panel2;
    std::unique_ptr<TPanel> Shape1;
    HWND logo = nullptr;
    HWND Label1 = nullptr;
    HWND Label2 = nullptr;
    HWND Label5 = nullptr;
    HWND ver = nullptr;
    HWND copyinfo = nullptr;
    HWND ok = nullptr;
    std::unique_ptr<TTranslationInfoButton> TranslationInfoButton1;

  protected:
    LRESULT WndProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    HWND DefaultButton() override { return ok; }
    void Cancel() override { Close(); }
    HWND FirstFocus() override { return ok; }
    void FormActivate() override;

  private:
    void FormCreate();
    HICON FIcon = nullptr;
};

} // namespace win32
