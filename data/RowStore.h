#pragma once
// Rows exactly as the engine delivers them, in chunks of a fixed number of rows,
// so that a million rows cost little more than their bytes and never move once stored.
#include <QtGlobal>

#include <memory>
#include <vector>

namespace db {

class RowStore {
public:
    static constexpr quint32 kChunkRows = 1000;

    void reset(unsigned rowLength)
    {
        m_chunks.clear();
        m_rowLength = rowLength;
        m_used = 0;
    }
    unsigned rowLength() const { return m_rowLength; }

    // A new slot at the end; its bytes are undefined until written.
    quint32 alloc()
    {
        if (m_used == m_chunks.size() * kChunkRows)
            m_chunks.push_back(std::make_unique_for_overwrite<unsigned char[]>(size_t(kChunkRows) * m_rowLength));
        return m_used++;
    }
    // Gives back the slot that the last alloc() returned.
    void unallocLast() { --m_used; }

    unsigned char* at(quint32 slot) { return m_chunks[slot / kChunkRows].get() + size_t(slot % kChunkRows) * m_rowLength; }
    const unsigned char* at(quint32 slot) const
    {
        return m_chunks[slot / kChunkRows].get() + size_t(slot % kChunkRows) * m_rowLength;
    }

    size_t bytes() const { return m_chunks.size() * size_t(kChunkRows) * m_rowLength; }

private:
    std::vector<std::unique_ptr<unsigned char[]>> m_chunks;
    unsigned m_rowLength = 0;
    quint32 m_used = 0;
};

} // namespace db
