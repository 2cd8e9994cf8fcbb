#include "aya_texts.h"

#include <QFile>
#include <sstream>
#include <stdexcept>

#include "platform/codepage.h"
#include "text.h"

namespace disc {

std::filesystem::path quranTextFile(const std::string& name) {
    return ":/sample_disc/quran-text/" + name;
}

std::vector<QString> readAyaTexts(const std::filesystem::path& file, const QuranStructure& quran) {
    QFile source(QString::fromStdString(file.string()));
    if (!source.open(QIODevice::ReadOnly)) throw std::runtime_error("cannot read " + file.string());
    std::istringstream in(source.readAll().toStdString());
    std::vector<QString> texts;
    int id = 1;
    for (std::string line; std::getline(in, line); ++id) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (line.empty() && in.peek() == EOF) break;
        const size_t tab1 = line.find('\t'), tab2 = line.find('\t', tab1 + 1);
        auto fail = [&](const std::string& why) {
            throw std::runtime_error(file.string() + " line " + std::to_string(id) + ": " + why);
        };
        if (tab1 == std::string::npos || tab2 == std::string::npos) fail("not sura, aya, text");
        if (id > quran.totalAyas()) fail("more lines than ayas");
        const AyaRef expected = quran.ref(id);
        if (line.substr(0, tab1) != std::to_string(expected.sura) ||
            line.substr(tab1 + 1, tab2 - tab1 - 1) != std::to_string(expected.aya))
            fail("expected aya " + std::to_string(expected.sura) + ":" +
                 std::to_string(expected.aya));
        texts.push_back(QString::fromUtf8(line.substr(tab2 + 1)));
    }
    if (static_cast<int>(texts.size()) != quran.totalAyas())
        throw std::runtime_error(file.string() + ": " + std::to_string(texts.size()) + " of " +
                                 std::to_string(quran.totalAyas()) + " ayas");
    return texts;
}

std::string encodeExactly(const QString& text, int codePage, const std::string& where) {
    std::string bytes = platform::fromUnicode(text, codePage);
    if (platform::toUnicode(bytes, codePage) != text)
        throw std::runtime_error(where + ": code page " + std::to_string(codePage) +
                                 " cannot hold the text");
    return bytes;
}

QString commentaryName(int commentary) {
    const char* names[] = {"التفسير الأول", "التفسير الثاني", "التفسير الثالث"};
    return QString::fromUtf8(names[commentary - 1]);
}

QString commentaryText(int commentary, const SuraInfo& sura, int aya, const QString& ayaText) {
    const char* notes[] = {
        "يبين هذا التفسير معنى الآية بعبارة موجزة، ويذكر ما يتصل بها من الآيات.",
        "يقف هذا التفسير عند ألفاظ الآية ومفرداتها، ويشرح وجوه إعرابها.",
        "يورد هذا التفسير ما جاء في الآية من أحكام وأقوال أهل العلم فيها.",
    };
    // the sura's name as the names file has it: without the marks code page 1256 lacks
    const QString name = platform::toUnicode(toCp1256(sura.name));
    return commentaryName(commentary) + QString::fromUtf8(" - سورة ") + name +
           QString::fromUtf8("، الآية ") + QString::number(aya) + "\r\n\r\n" +
           QString::fromUtf8("قال تعالى: «") + ayaText + QString::fromUtf8("»\r\n\r\n") +
           QString::fromUtf8(notes[commentary - 1]) +
           QString::fromUtf8(" وهو نص تجريبي من القرص التجريبي يقوم مقام التفسير.");
}

}  // namespace disc
