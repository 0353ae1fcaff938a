# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2025-2026 Torvane Tables
# Read by cpack for each generator of the Windows build (CPACK_PROJECT_CONFIG_FILE):
# the setup and the zip are named for what they are.
if(CPACK_GENERATOR STREQUAL "NSIS")
  set(CPACK_PACKAGE_FILE_NAME "torvane-${CPACK_PACKAGE_VERSION}-setup")
else()
  set(CPACK_PACKAGE_FILE_NAME "torvane-${CPACK_PACKAGE_VERSION}-win64")
endif()
