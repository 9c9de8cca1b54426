#pragma once
// Rows exactly as the engine delivers them, in blocks that never move once stored,
// so that a million rows cost little more than their bytes.
#include <QtGlobal>

#include <memory>
#include <vector>

namespace db {

class RowStore {
public:
    // The first block is small, for the many short lists; the rest are 2 MiB blocks
    // on huge pages, since touching fresh memory page by page costs more than reading the rows.
    static constexpr quint32 kFirstRows = 1000;
    static constexpr size_t kBlockBytes = size_t(2) << 20;

    RowStore() = default;
    ~RowStore() { reset(0); }
    RowStore(const RowStore&) = delete;
    RowStore& operator=(const RowStore&) = delete;

    void reset(unsigned rowLength);
    unsigned rowLength() const { return m_rowLength; }

    // A new slot at the end; its bytes are undefined until written.
    quint32 alloc()
    {
        if (m_used == m_capacity) grow();
        return m_used++;
    }
    // Gives back the slot that the last alloc() returned.
    void unallocLast() { --m_used; }
    quint32 count() const { return m_used; }

    unsigned char* at(quint32 slot)
    {
        if (slot < kFirstRows) return m_blocks[0] + size_t(slot) * m_rowLength;
        const quint32 s = slot - kFirstRows;
        return m_blocks[1 + s / m_perBlock] + size_t(s % m_perBlock) * m_rowLength;
    }
    const unsigned char* at(quint32 slot) const { return const_cast<RowStore*>(this)->at(slot); }

    size_t bytes() const { return m_bytes; }

private:
    void grow();
    std::vector<unsigned char*> m_blocks;
    unsigned m_rowLength = 0;
    quint32 m_perBlock = 1;
    quint32 m_used = 0;
    quint32 m_capacity = 0;
    size_t m_bytes = 0;
};

} // namespace db
