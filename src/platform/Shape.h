// SPDX-FileCopyrightText: 2026 The Quintara developers
// SPDX-License-Identifier: GPL-3.0-or-later
// TShape: a rectangle with an outline pen and a solid or clear brush, for frames and lines.
#pragma once

#include "platform/Colors.h"

#include <QWidget>

namespace platform {

enum TBrushStyle { bsSolid, bsClear };
enum TPenStyle { psSolid, psClear };

// Usage: setPenColor(clWhite) (the default pen is black, 1 pixel wide, solid);
// setBrushColor(c), setBrushStyle(bsClear) (the default brush is solid white). A shape 1
// pixel high is a horizontal line in the pen colour. SetAlign() places it at an edge.
class TShape : public QWidget {
    Q_OBJECT
    Q_PROPERTY(uint PenColor READ PenColor WRITE setPenColor)
    Q_PROPERTY(int PenWidth READ PenWidth WRITE setPenWidth)
    Q_PROPERTY(int PenStyle READ PenStyle WRITE setPenStyle)
    Q_PROPERTY(uint BrushColor READ BrushColor WRITE setBrushColor)
    Q_PROPERTY(int BrushStyle READ BrushStyle WRITE setBrushStyle)

  public:
    explicit TShape(QWidget *parent = nullptr);

    TColor PenColor() const { return m_penColor; }
    void setPenColor(TColor color);
    int PenWidth() const { return m_penWidth; }
    void setPenWidth(int width);
    int PenStyle() const { return m_penStyle; }
    void setPenStyle(int style);
    TColor BrushColor() const { return m_brushColor; }
    void setBrushColor(TColor color);
    int BrushStyle() const { return m_brushStyle; }
    void setBrushStyle(int style);

  protected:
    void paintEvent(QPaintEvent *event) override;

  private:
    TColor m_penColor = clBlack;
    int m_penWidth = 1;
    int m_penStyle = psSolid;
    TColor m_brushColor = clWhite;
    int m_brushStyle = bsSolid;
};

} // namespace platform
