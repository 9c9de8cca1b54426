#include "data/RowStore.h"

#include <cstdlib>
#include <new>

#include <sys/mman.h>

namespace db {

void RowStore::reset(unsigned rowLength)
{
    for (unsigned char* b : m_blocks) std::free(b);
    m_blocks.clear();
    m_rowLength = rowLength;
    m_perBlock = rowLength ? quint32(std::max<size_t>(1, kBlockBytes / rowLength)) : 1;
    m_used = m_capacity = 0;
    m_bytes = 0;
}

void RowStore::grow()
{
    void* p = nullptr;
    size_t size = 0;
    if (m_blocks.empty()) {
        size = size_t(kFirstRows) * m_rowLength;
        p = std::malloc(std::max<size_t>(size, 1));
        m_capacity += kFirstRows;
    } else {
        size = kBlockBytes;
        p = std::aligned_alloc(kBlockBytes, kBlockBytes);
        if (p) madvise(p, kBlockBytes, MADV_HUGEPAGE);
        m_capacity += m_perBlock;
    }
    if (!p) throw std::bad_alloc();
    m_blocks.push_back(static_cast<unsigned char*>(p));
    m_bytes += size;
}

} // namespace db
