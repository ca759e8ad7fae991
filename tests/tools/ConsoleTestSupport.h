// SPDX-FileCopyrightText: 2026 The Quintara developers
// SPDX-License-Identifier: GPL-3.0-or-later
// A private temporary directory for a console test, removed with everything in it.
#pragma once

#include <cstdlib>
#include <filesystem>
#include <string>

struct TempDir {
    std::string path;
    TempDir() {
        std::string name =
            (std::filesystem::temp_directory_path() / "quintara-calc-XXXXXX").string();
        if (mkdtemp(name.data()) != nullptr)
            path = name;
    }
    ~TempDir() {
        std::error_code ignored;
        if (!path.empty())
            std::filesystem::remove_all(path, ignored);
    }
    TempDir(const TempDir &) = delete;
    TempDir &operator=(const TempDir &) = delete;
};
