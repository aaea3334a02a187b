#pragma once

#include "resources/generators/byte_buffer.h"

namespace kolvar {

// The bytes as a zlib stream (RFC 1950) of one deflate block with the fixed Huffman codes
// (RFC 1951). Icons are runs of a few colours and rows that repeat, which back-references to the
// pixel before and to the row above take in a few codes each; nothing more elaborate pays here.
// rowBytes is the length of a row, whose copy below it is sought first.
ByteBuffer ZlibCompress(const ByteBuffer& raw, std::size_t rowBytes);

}  // namespace kolvar
