# SPDX-FileCopyrightText: 2026 The resolvepaths authors
# SPDX-License-Identifier: ISC

# Run by cpack as it stages the binary .tar.gz: the licence and the notes go
# at the top of the tree, beside bin/ and share/, where a user who unpacks
# the archive looks first. The .deb has its own, under /usr/share/doc.
foreach(name IN ITEMS LICENSE README.md NEWS.md)
    file(INSTALL "${CPACK_RESOLVEPATHS_SOURCE_DIR}/${name}" DESTINATION "${CMAKE_INSTALL_PREFIX}")
endforeach()
