#include "controls/GridSort.h"

#include "controls/DelimitedText.h"

#include <algorithm>
#include <bit>
#include <cstring>

namespace gridlogic {

TSortMode DetectSortMode(const QStringList &texts, const ConversionSettings &settings)
{
    bool number = true, time = true, dateTime = true;
    for (const QString &text : texts) {
        if (number && !TextToNumber(text, settings))
            number = false;
        if (time && !TextToTime(text, settings))
            time = false;
        if (dateTime && !TextToDateTime(text, settings))
            dateTime = false;
        if (!number && !time && !dateTime)
            break;  // nothing left to rule out
    }
    if (number)
        return smNumber;
    if (dateTime)
        return smDateTime;
    if (time)
        return smTime;
    return smText;
}

QString UpperCaseAscii(const QString &text)
{
    QString out = text;
    char16_t *p = nullptr;
    for (qsizetype i = 0; i < out.size(); ++i) {
        const char16_t c = out.at(i).unicode();
        if (c >= u'a' && c <= u'z') {
            if (!p)
                p = reinterpret_cast<char16_t *>(out.data());  // detach once
            p[i] = char16_t(c - (u'a' - u'A'));
        }
    }
    return out;
}

namespace {

int compareBytes(const QByteArray &a, const QByteArray &b)
{
    const qsizetype n = std::min(a.size(), b.size());
    const int r = n ? std::memcmp(a.constData(), b.constData(), std::size_t(n)) : 0;
    if (r != 0)
        return r < 0 ? -1 : 1;
    return a.size() < b.size() ? -1 : (a.size() > b.size() ? 1 : 0);
}

template <typename T>
int compareValues(T a, T b)
{
    return a < b ? -1 : (a > b ? 1 : 0);
}

// The comparison with every text converted once up front: conversions are
// pure, so this decides exactly as converting at every comparison would.
class PreparedComparison {
public:
    PreparedComparison(const std::vector<TSortedListEntry> &entries, const TSortOptions &options,
                       const ConversionSettings &settings)
        : entries_(entries), options_(options)
    {
        const std::size_t n = entries.size();
        switch (options.Mode) {
        case smNumber:
            numbers_.resize(n);
            ok_.resize(n);
            for (std::size_t i = 0; i < n; ++i)
                ok_[i] = TextToNumber(entries[i].Text, settings, &numbers_[i]);
            break;
        case smDateTime:
        case smTime:
            days_.resize(n);
            ok_.resize(n);
            for (std::size_t i = 0; i < n; ++i)
                ok_[i] = options.Mode == smDateTime ? TextToDateTime(entries[i].Text, settings, &days_[i])
                                                    : TextToTime(entries[i].Text, settings, &days_[i]);
            break;
        case smUser: break;
        default:
            bytes_.resize(n);
            for (std::size_t i = 0; i < n; ++i)
                bytes_[i] = EncodeText(entries[i].Text);
            break;
        }
    }

    int operator()(int ia, int ib) const
    {
        const std::size_t a = std::size_t(ia), b = std::size_t(ib);
        int r = 0;
        switch (options_.Mode) {
        case smNumber: r = ok_[a] && ok_[b] ? compareValues(numbers_[a], numbers_[b]) : 0; break;
        case smDateTime:
        case smTime: r = ok_[a] && ok_[b] ? compareValues(days_[a], days_[b]) : 0; break;
        case smUser:
            // Without a function there is nothing to order by but the rows.
            r = options_.Compare ? options_.Compare(entries_[a].Text, entries_[b].Text) : 0;
            r = r < 0 ? -1 : (r > 0 ? 1 : 0);
            break;
        default: r = compareBytes(bytes_[a], bytes_[b]); break;
        }
        if (r == 0)
            return compareValues(entries_[a].SourceRow, entries_[b].SourceRow);
        return options_.Order == soDescending ? -r : r;
    }

private:
    const std::vector<TSortedListEntry> &entries_;
    const TSortOptions &options_;
    std::vector<long double> numbers_;
    std::vector<double> days_;
    std::vector<char> ok_;
    std::vector<QByteArray> bytes_;
};

// Quicksort around the middle entry of each range, as the grid has always
// sorted, with three safeguards: the scans cannot leave the range even if a
// caller's Compare is inconsistent, the larger part is iterated and only the
// smaller one recursed into (stack depth O(log n)), and a range that keeps
// splitting badly is finished by heapsort. With a consistent comparison no
// two entries tie, so every one of these yields the same order.
class Sorter {
public:
    Sorter(std::vector<int> &order, const PreparedComparison &cmp) : order_(order), cmp_(cmp) {}

    void sort()
    {
        const int n = int(order_.size());
        if (n < 2)
            return;
        quickSort(0, n - 1, 2 * std::bit_width(unsigned(n)) + 8);
    }

private:
    void quickSort(int L, int R, int depthLeft)
    {
        while (L < R) {
            if (depthLeft-- == 0) {
                heapSort(L, R);
                return;
            }
            int i = L, j = R;
            const int pivot = order_[std::size_t(L + (R - L) / 2)];
            do {
                while (i < R && cmp_(order_[std::size_t(i)], pivot) < 0)
                    ++i;
                while (j > L && cmp_(order_[std::size_t(j)], pivot) > 0)
                    --j;
                if (i <= j) {
                    std::swap(order_[std::size_t(i)], order_[std::size_t(j)]);
                    ++i;
                    --j;
                }
            } while (i <= j);
            if (j - L < R - i) {
                if (L < j)
                    quickSort(L, j, depthLeft);
                L = i;
            } else {
                if (i < R)
                    quickSort(i, R, depthLeft);
                R = j;
            }
        }
    }

    void siftDown(int base, int root, int count)
    {
        for (;;) {
            int child = 2 * root + 1;
            if (child >= count)
                return;
            if (child + 1 < count && cmp_(at(base, child), at(base, child + 1)) < 0)
                ++child;
            if (cmp_(at(base, root), at(base, child)) >= 0)
                return;
            std::swap(ref(base, root), ref(base, child));
            root = child;
        }
    }

    void heapSort(int L, int R)
    {
        const int count = R - L + 1;
        for (int root = count / 2 - 1; root >= 0; --root)
            siftDown(L, root, count);
        for (int end = count - 1; end > 0; --end) {
            std::swap(ref(L, 0), ref(L, end));
            siftDown(L, 0, end);
        }
    }

    int at(int base, int k) const { return order_[std::size_t(base + k)]; }
    int &ref(int base, int k) { return order_[std::size_t(base + k)]; }

    std::vector<int> &order_;
    const PreparedComparison &cmp_;
};

}  // namespace

int CompareTextBytes(const QString &a, const QString &b)
{
    return compareBytes(EncodeText(a), EncodeText(b));
}

int CompareEntries(const TSortedListEntry &a, const TSortedListEntry &b, const TSortOptions &options,
                   const ConversionSettings &settings)
{
    const std::vector<TSortedListEntry> pair{a, b};
    const PreparedComparison cmp(pair, options, settings);
    return cmp(0, 1);
}

void SortEntries(std::vector<TSortedListEntry> &entries, const TSortOptions &options,
                 const ConversionSettings &settings)
{
    if (!options.CaseSensitive)
        for (TSortedListEntry &e : entries)
            e.Text = UpperCaseAscii(e.Text);
    if (entries.size() < 2)
        return;
    const PreparedComparison cmp(entries, options, settings);
    std::vector<int> order(entries.size());
    for (std::size_t i = 0; i < order.size(); ++i)
        order[i] = int(i);
    Sorter(order, cmp).sort();

    std::vector<TSortedListEntry> sorted;
    sorted.reserve(entries.size());
    for (int i : order)
        sorted.push_back(std::move(entries[std::size_t(i)]));
    entries.swap(sorted);
}

}  // namespace gridlogic
