// Field extraction and channel labels of the record notation.
#include "model/Records.h"

std::string_view RecordField(std::string_view record, int field, bool toEnd)
{
    if (field < 0) return {};
    std::size_t start = 0;
    for (int n = 0; n < field; ++n) {
        const std::size_t comma = record.find(',', start);
        if (comma == std::string_view::npos) return {};
        start = comma + 1;
    }
    if (toEnd) return record.substr(start);
    const std::size_t end = record.find(',', start);
    return record.substr(start, end == std::string_view::npos ? std::string_view::npos : end - start);
}

std::string MemoryLabel(int index)
{
    if (index < 0 || index >= MemoryCount) return {};
    if (index < OrdinaryMemoryCount) {
        std::string label(3, '0');
        label[0] = static_cast<char>('0' + index / 100);
        label[1] = static_cast<char>('0' + index / 10 % 10);
        label[2] = static_cast<char>('0' + index % 10);
        return label;
    }
    if (index < PriorityFirst) {
        const int k = (index - ScanEdgeFirst) / 2;
        std::string label(2, (index - ScanEdgeFirst) % 2 == 0 ? 'L' : 'U');
        label[1] = static_cast<char>('0' + k);
        return label;
    }
    if (index < InformationFirst) return index == PriorityFirst ? "PR1" : "PR2";
    const int k = index - InformationFirst + 1; // 1..10, the tenth is "I-0"
    std::string label = "I-0";
    label[2] = static_cast<char>('0' + k % 10);
    return label;
}

int MemoryIndexOfLabel(std::string_view label)
{
    auto digit = [](char c) { return c >= '0' && c <= '9'; };
    if (label.size() == 3 && digit(label[0]) && digit(label[1]) && digit(label[2])) {
        const int n = (label[0] - '0') * 100 + (label[1] - '0') * 10 + (label[2] - '0');
        return n < OrdinaryMemoryCount ? n : -1;
    }
    if (label.size() == 2 && (label[0] == 'L' || label[0] == 'U') && digit(label[1]))
        return ScanEdgeFirst + 2 * (label[1] - '0') + (label[0] == 'U' ? 1 : 0);
    if (label == "PR1") return PriorityFirst;
    if (label == "PR2") return PriorityFirst + 1;
    if (label.size() == 3 && label[0] == 'I' && label[1] == '-' && digit(label[2]))
        return label[2] == '0' ? InformationFirst + 9 : InformationFirst + (label[2] - '1');
    return -1;
}
