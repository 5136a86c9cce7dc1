# The Debian package: `cpack -G DEB` in a build folder (scripts/package.sh)
# packs what `cmake --install` puts under /usr.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME corvid)
set(CPACK_PACKAGE_VERSION ${CORVID_PROGRAM_VERSION})
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_PACKAGE_CONTACT "Corvid developers <corvid@halvard-electronic.example>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "editor and generator of EDS files for fieldbus devices")
# CPack puts the summary in front and indents the lines as Debian wants.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
    "Corvid edits the Electronic Data Sheets (EDS files) by which CANopen,
DeviceNet and EtherNet/IP devices describe themselves: a tree of sections,
tables edited in place, files saved in their own layout. It makes new files
from a catalogue of modules and devices, or from a motor drive read over a
serial line (Modbus RTU or ASCII).

The package holds the desktop program corvid, the command-line program
corvid-cli and corvid-drive-sim, a simulated drive to try them without
hardware.")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION electronics)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "https://www.halvard-electronic.example/")
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_COMPRESSION_TYPE xz)
set(CPACK_STRIP_FILES ON)
# Directories the package shares with the system are not its own to set.
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
include(CPack)
