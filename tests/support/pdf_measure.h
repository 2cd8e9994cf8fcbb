// What a printed PDF holds, as poppler reads it: the pages, every word with
// its box in points, and the text with its letters as they were written.
#pragma once

#include <QRegularExpression>
#include <QString>
#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

struct PdfWord {
    int page;
    double xMin, yMin, xMax, yMax;
    QString text;
    double height() const { return yMax - yMin; }
};

struct PdfPages {
    int count = 0;
    double width = 0, height = 0;  // of the first page, in points
    std::vector<PdfWord> words;
};

/// The standard output of a shell command.
inline std::string CommandOutput(const std::string& command) {
    std::string text;
    if (FILE* out = popen(command.c_str(), "r")) {
        char buffer[4096];
        for (size_t n; (n = fread(buffer, 1, sizeof buffer, out)) > 0;) text.append(buffer, n);
        pclose(out);
    }
    return text;
}

/// The words of every page with their boxes (pdftotext -bbox).
inline PdfPages PdfWords(const std::filesystem::path& pdf) {
    const QString xml =
        QString::fromStdString(CommandOutput("pdftotext -q -bbox '" + pdf.string() + "' -"));
    static const QRegularExpression tag(
        R"re(<page width="([\d.]+)" height="([\d.]+)">|<word xMin="([\d.]+)" yMin="([\d.]+)" xMax="([\d.]+)" yMax="([\d.]+)">([^<]*)</word>)re");
    PdfPages pages;
    for (auto it = tag.globalMatch(xml); it.hasNext();) {
        const QRegularExpressionMatch m = it.next();
        if (!m.captured(1).isEmpty()) {
            if (pages.count++ == 0) {
                pages.width = m.captured(1).toDouble();
                pages.height = m.captured(2).toDouble();
            }
            continue;
        }
        pages.words.push_back({pages.count, m.captured(3).toDouble(), m.captured(4).toDouble(),
                               m.captured(5).toDouble(), m.captured(6).toDouble(), m.captured(7)});
    }
    return pages;
}

/// The median height of the words on pages from `page` on: the body's.
inline double MedianHeight(const PdfPages& pdf, int page) {
    std::vector<double> heights;
    for (const PdfWord& w : pdf.words)
        if (w.page >= page) heights.push_back(w.height());
    if (heights.empty()) return 0;
    std::nth_element(heights.begin(), heights.begin() + heights.size() / 2, heights.end());
    return heights[heights.size() / 2];
}

/// The text of a PDF (pdftotext) with the letter forms of Arabic as their
/// letters (NFKC) and without the direction marks poppler adds.
inline QString PdfLetters(const std::filesystem::path& pdf) {
    QString text = QString::fromStdString(CommandOutput("pdftotext -q '" + pdf.string() + "' -"))
                       .normalized(QString::NormalizationForm_KC);
    static const QRegularExpression marks(
        QStringLiteral("[\u200e\u200f\u202a-\u202e\u2066-\u2069]"));
    text.remove(marks);
    return text;
}
