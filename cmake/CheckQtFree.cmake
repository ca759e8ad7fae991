# SPDX-FileCopyrightText: 2026 The Quintara developers
# SPDX-License-Identifier: GPL-3.0-or-later
# cmake -DFILES=<a;b;...> -P CheckQtFree.cmake: fails when one of the files includes a Qt
# header (<QString>, <QtCore/...>, <qstring.h>, <qt6/...>).
set(qt_include "^[ \t]*#[ \t]*include[ \t]*[<\"](Q[A-Za-z]+(/|>|\")|q[a-z0-9_]+\\.h[>\"]|qt[0-9]*/)")
set(found "")
foreach(file IN LISTS FILES)
  file(STRINGS ${file} lines REGEX "${qt_include}")
  foreach(line IN LISTS lines)
    string(STRIP "${line}" line)
    list(APPEND found "${file}: ${line}")
  endforeach()
endforeach()
if(found)
  list(JOIN found "\n  " listed)
  message(FATAL_ERROR "Qt headers included where the code must stay free of Qt:\n  ${listed}")
endif()
