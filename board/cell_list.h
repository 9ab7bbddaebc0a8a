// A list of Cells kept by the pair search: entries in order, with a quick membership test.
#pragma once

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <vector>

namespace llk {

// The pair search's lists are, in the game's design, texts of four-character entries "ddd,".
// Such an entry can only match at an entry boundary (a shifted match would put one of its digits
// on a comma), so substring search, deletion and prefix-taking act on whole entries, and a list
// of integers with the same operations gives the same answers in every state.
class CellList {
public:
    bool empty() const { return m_entries.empty(); }
    std::size_t size() const { return m_entries.size(); }
    int operator[](std::size_t i) const { return m_entries[i]; }
    const std::vector<int>& Entries() const { return m_entries; }

    bool Contains(int cell) const
    {
        return cell >= 0 && static_cast<std::size_t>(cell) < m_count.size() && m_count[cell] > 0;
    }

    void Append(int cell)
    {
        if (static_cast<std::size_t>(cell) >= m_count.size())
            m_count.resize(static_cast<std::size_t>(cell) + 1, 0);
        m_entries.push_back(cell);
        ++m_count[cell];
    }

    // Deletes every occurrence of the Cell's entry.
    void Remove(int cell)
    {
        if (!Contains(cell))
            return;
        std::erase(m_entries, cell);
        m_count[cell] = 0;
    }

    // Keeps the first `length` entries.
    void Truncate(std::size_t length)
    {
        while (m_entries.size() > length) {
            --m_count[m_entries.back()];
            m_entries.pop_back();
        }
    }

    // Becomes the first `length` entries of `other`. The pair search only ever sets a list to a
    // prefix of a list it is already a prefix of, so the common part is kept, not rebuilt.
    void AssignPrefix(const CellList& other, std::size_t length)
    {
        length = std::min(length, other.size());
        std::size_t common = 0;
        const std::size_t limit = std::min(length, m_entries.size());
        while (common < limit && m_entries[common] == other.m_entries[common])
            ++common;
        Truncate(common);
        for (std::size_t i = common; i < length; ++i)
            Append(other[i]);
    }

    // Clears in time proportional to the entries, so a reset after every removal stays cheap.
    void clear()
    {
        for (int cell : m_entries)
            m_count[cell] = 0;
        m_entries.clear();
    }

    friend bool operator==(const CellList& a, const CellList& b) { return a.m_entries == b.m_entries; }

private:
    std::vector<int> m_entries;
    std::vector<std::uint16_t> m_count; // occurrences per CellIndex
};

} // namespace llk
