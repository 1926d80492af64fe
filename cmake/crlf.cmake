# SPDX-License-Identifier: GPL-3.0-or-later
# cmake -DIN=file -DOUT=file -P crlf.cmake: copies a text file with Windows line ends.
file(READ ${IN} text)
string(REPLACE "\r\n" "\n" text "${text}")
string(REPLACE "\n" "\r\n" text "${text}")
get_filename_component(folder ${OUT} DIRECTORY)
file(MAKE_DIRECTORY ${folder})
file(WRITE ${OUT} "${text}")
