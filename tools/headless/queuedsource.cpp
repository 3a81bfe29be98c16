// queuedsource.cpp: hands out the queued numbers in order.
#include "queuedsource.h"

namespace varn {

float QueuedSource::next() {
    if (m_queue.empty()) throw RandomNumbersExhausted();
    const float u = m_queue.front();
    m_queue.pop_front();
    return u;
}

}  // namespace varn
