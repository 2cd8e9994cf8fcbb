#include "books/book_members.h"

namespace {

std::vector<int> range(int first, int last) {
    std::vector<int> books;
    for (int b = first; b <= last; ++b) books.push_back(b);
    return books;
}

std::vector<int> fekhBooks() {
    std::vector<int> books = range(904, 909);
    for (int b : range(920, 927)) books.push_back(b);
    for (int b : range(889, 894)) books.push_back(b);
    books.push_back(937);
    return books;
}

}  // namespace

const MemberTable& MemberOf(BookMember member) {
    static const MemberTable hadith{
        BookMember::Hadith,
        false,
        "hadith",
        "hadiths",
        {4, 5, 6, 7, 8, 9, 10, 11},
        {{1, 54, 24}, {2, 78, 18}, {14, 96, 15}, {12, 111, 13}, {3, 124, 17}, {13, 141, 12}},
        range(55, 153)};
    static const MemberTable fekh{BookMember::Fekh,
                                  false,
                                  "fekh",
                                  "fekhs",
                                  {3, 4, 5, 6, 7, 8, 9, 10},
                                  {{1, 903, 6}, {2, 919, 8}, {11, 888, 6}, {12, 936, 1}},
                                  fekhBooks()};
    static const MemberTable live{BookMember::Live,           true, "live",     "lives",
                                  {4, 5, 6, 7, 8, 9, 10, 11}, {},   {kLiveBook}};
    switch (member) {
        case BookMember::Hadith:
            return hadith;
        case BookMember::Fekh:
            return fekh;
        case BookMember::Live:
            break;
    }
    return live;
}

const BookGroup* GroupOfBook(const MemberTable& member, int book) {
    for (const BookGroup& g : member.groups)
        if (book > g.base && book <= g.base + g.count) return &g;
    return nullptr;
}

QString LiveBookTitle() {
    return QStringLiteral("Translation of Sahih Tolvaric");
}
