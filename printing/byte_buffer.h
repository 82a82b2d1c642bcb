// An owned block of bytes of a fixed size, allocated once and not zero-filled.
#pragma once

#include <cstddef>
#include <memory>
#include <new>

struct ByteBuffer {
  std::unique_ptr<unsigned char[]> bytes;
  std::size_t size = 0;

  bool empty() const { return size == 0; }
  unsigned char* data() const { return bytes.get(); }

  // An empty buffer when the memory cannot be had.
  static ByteBuffer Allocate(std::size_t size) {
    ByteBuffer buffer;
    buffer.bytes.reset(new (std::nothrow) unsigned char[size]);
    if (buffer.bytes) buffer.size = size;
    return buffer;
  }
};
