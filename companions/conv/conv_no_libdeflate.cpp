// SPDX-License-Identifier: MIT
// conv_no_libdeflate.cpp: stands in for the libdeflate backend when it is configured out.
#include "conv_backends.h"

namespace kyconv {

const Decoder decodeWithLibdeflate = nullptr;

}  // namespace kyconv
