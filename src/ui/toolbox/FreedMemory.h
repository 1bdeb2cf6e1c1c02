#pragma once

class QObject;

namespace vq {

// Gives the memory a dropped document freed back to the system, once the event loop has run what
// is already queued (a view letting go of its per-row state first). The allocator keeps freed
// blocks for reuse otherwise, and a document of a gigabyte leaves hundreds of megabytes resident
// after New or a cancelled load.
void GiveFreedMemoryBackSoon(QObject* context);

}  // namespace vq
