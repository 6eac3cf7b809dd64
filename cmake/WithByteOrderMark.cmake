# Copies a UTF-8 text with a byte-order mark in front of it:
#   cmake -D SOURCE=text.txt -D OUTPUT=copy.txt -P WithByteOrderMark.cmake
string(ASCII 239 187 191 bom)
file(READ "${SOURCE}" text)
file(WRITE "${OUTPUT}" "${bom}${text}")
