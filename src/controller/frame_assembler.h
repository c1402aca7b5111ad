#pragma once

#include "protocol/bytes.h"

#include <vector>

namespace smscfg::controller {

// Finds request frames in a byte stream that may split them across reads,
// join them, or put garbage between them.
//
// It hunts for 7E FE, reads LEN, waits for LEN bytes and checks the reserved
// byte, checksum and end byte. A good frame comes out as Frame; a run that
// starts like a frame but fails a check comes out as Malformed (so that it
// can be refused), and the hunt resumes right after its start bytes. Bytes
// before a start are dropped. At most 255 bytes are ever held.
class FrameAssembler {
public:
    struct Item {
        enum Kind { Frame, Malformed } kind;
        Bytes bytes;
    };

    std::vector<Item> feed(ByteView chunk);
    // Gives up on a partial frame after the line has been quiet (a stray
    // 7E FE with a large LEN would otherwise hold back the next request):
    // reports it as Malformed and hunts again in the bytes after its start.
    std::vector<Item> expire();
    // Bytes held while waiting for the rest of a frame.
    std::size_t pending() const { return m_buffer.size(); }

private:
    Bytes m_buffer;
};

}  // namespace smscfg::controller
