# SPDX-FileCopyrightText: 2026 The resolvepaths authors
# SPDX-License-Identifier: ISC
# Run by cpack as it stages the binary .tar.gz: the licence and the notes go
# at the top of the tree, beside bin/ and share/, where a user who unpacks
# it looks first. The .deb has its own, under /usr/share/doc.
set(source_dir "${CPACK_RESOLVEPATHS_SOURCE_DIR}")
file(INSTALL ${source_dir}/LICENSE ${source_dir}/README.md ${source_dir}/NEWS.md
    DESTINATION "${CMAKE_INSTALL_PREFIX}")
