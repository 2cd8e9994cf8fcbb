#include "book_files.h"

#include <algorithm>
#include <cmath>
#include <iterator>

#include "aya_texts.h"
#include "bytes.h"
#include "text.h"

namespace disc {

namespace {

std::vector<std::string> encodeAll(std::initializer_list<const char*> texts) {
    std::vector<std::string> out;
    for (const char* t : texts) out.push_back(toCp1256(QString::fromUtf8(t)));
    return out;
}

std::string cp(const char* text) {
    return toCp1256(QString::fromUtf8(text));
}

const std::vector<std::string>& hadithBookNames() {
    static const std::vector<std::string> names = encodeAll({
        "الإيمان",      "العلم",     "الطهارة",   "الصلاة",   "الأذان",  "الجمعة",
        "العيدين",      "الوتر",     "الجنائز",   "الزكاة",   "الصيام",  "الاعتكاف",
        "الحج",         "العمرة",    "البيوع",    "الإجارة",  "الوكالة", "المزارعة",
        "الرهن",        "الشركة",    "الهبة",     "الشهادات", "الصلح",   "الوصايا",
        "الجهاد",       "فرض الخمس", "بدء الخلق", "المناقب",  "المغازي", "التفسير",
        "فضائل القرآن", "النكاح",    "الطلاق",    "النفقات",  "الأطعمة", "العقيقة",
        "الذبائح",      "الأضاحي",   "الأشربة",   "المرضى",   "الطب",    "اللباس",
        "الأدب",        "الاستئذان", "الدعوات",   "الرقاق",   "القدر",   "الأيمان والنذور",
        "الفرائض",      "الحدود",    "الديات",    "التعبير",  "الفتن",   "الأحكام",
        "التمني",       "الاعتصام",  "التوحيد",
    });
    return names;
}

const std::vector<std::string>& fekhBookNames() {
    static const std::vector<std::string> names = encodeAll({
        "الطهارة", "الصلاة", "الزكاة", "الصيام", "الحج",   "الأضحية", "البيع",
        "الإجارة", "الربا",  "الشركة", "الرهن",  "الوقف",  "الهبة",   "القرض",
        "النكاح",  "الطلاق", "العدة",  "الرضاع", "النفقة", "الحضانة", "النوازل",
    });
    return names;
}

const std::vector<std::string>& hadithSubjects() {
    static const std::vector<std::string> subjects = encodeAll({
        "فضل العلم",    "طلب العلم",    "آداب المجلس",     "صلة الرحم",    "بر الوالدين",
        "حق الجار",     "إكرام الضيف",  "الصدق",           "الأمانة",      "الوفاء بالعهد",
        "حسن الخلق",    "الحياء",       "الرفق",           "العفو",        "الصبر على الأذى",
        "شكر النعمة",   "الصدقة",       "إطعام الطعام",    "عيادة المريض", "اتباع الجنائز",
        "إفشاء السلام", "الاستئذان",    "آداب الطعام",     "آداب الطريق",  "الدعاء",
        "الذكر",        "قراءة القرآن", "الصلاة في وقتها", "صلاة الجماعة", "عمارة المساجد",
        "السواك",       "إسباغ الوضوء", "صيام التطوع",     "الحج والعمرة", "النية",
        "التوبة",       "الزهد",        "القناعة",         "كفالة اليتيم", "الإصلاح بين الناس",
    });
    return subjects;
}

const std::vector<std::string>& fekhSubjects() {
    static const std::vector<std::string> subjects = encodeAll({
        "المسح على الخفين",
        "التيمم عند فقد الماء",
        "الجمع بين الصلاتين",
        "صلاة المسافر",
        "زكاة الزروع",
        "زكاة عروض التجارة",
        "الفطر في السفر",
        "قضاء الصوم",
        "الإحرام من الميقات",
        "الطواف والسعي",
        "بيع السلم",
        "الإجارة على العمل",
        "الشفعة",
        "رهن المشاع",
        "القرض بفائدة",
        "وقف المنقول",
        "الرجوع في الهبة",
        "الوصية للوارث",
        "النكاح بلا ولي",
        "تأجيل المهر",
        "الطلاق في الغضب",
        "عدة المتوفى عنها",
        "رضاع الكبير",
        "نفقة الأقارب",
        "حضانة الصغير",
        "كفارة اليمين",
        "الوفاء بالنذر",
        "الأضحية عن الميت",
        "العقيقة",
        "صيد البحر",
    });
    return subjects;
}

// Sentences planted in known topics, so that searches have known answers; the
// words they carry occur nowhere else in their library.
struct Planted {
    int book, topic;
    const char* sentence;
};
const Planted kPlanted[] = {
    {55, 3, "وفي الباب ذكر حجر الزبرجد مثلا للحلية."},
    {55, 7, "وفي الباب ذكر الزبرجد والكهرمان مثلين للحلية."},
    {60, 2, "ومما يذكر في هذا الباب الزبرجد الأخضر."},
    {70, 1, "ومما يذكر في هذا الباب الكهرمان الأصفر."},
    {904, 2, "ومن أمثلة المسألة زكاة الزبرجد إذا اتخذ للتجارة."},
};

// From a few topics to some thousands: log-uniform over 3..3000, books
// with planted topics large enough to hold them, and one book of three.
int topicCount(int book) {
    if (book == 937) return 3;
    const double u = static_cast<double>(mix(static_cast<uint64_t>(book)) % 1000) / 1000.0;
    const int count = static_cast<int>(std::lround(3 * std::pow(1000.0, u)));
    for (const Planted& p : kPlanted)
        if (p.book == book) return std::max(count, 10);
    return count;
}

// "الباب 7 من الكتاب 55: " or "المسألة 7 من الكتاب 904: "
std::string topicName(const Book& book, int topic) {
    static const std::string chapter = cp("الباب "), question = cp("المسألة "),
                             ofBook = cp(" من الكتاب ");
    return (book.fekh ? question : chapter) + std::to_string(topic) + ofBook +
           std::to_string(book.number);
}

uint64_t seed(const Book& book, int topic, int salt) {
    return mix((static_cast<uint64_t>(book.number) << 32) + static_cast<uint64_t>(topic) * 8 +
               static_cast<uint64_t>(salt));
}

// What a topic is about comes first and its place last, "ما جاء في فضل العلم
// (الباب 7)", since the tree shows only the title's start. Every seventh title
// quotes the opening words of an aya, past 100 characters.
std::string topicTitle(const Book& book, int topic, const AyaQuotes& quotes) {
    static const std::string doing = cp("ما جاء في "), ruling = cp("حكم "),
                             saying = cp("قول الله تعالى «"),
                             proving = cp("الاستدلال بقول الله تعالى «"), upTo = cp("» الآية"),
                             chapter = cp("الباب "), question = cp("المسألة ");
    const std::string place = " (" + (book.fekh ? question : chapter) + std::to_string(topic) + ")";
    if (topic % 7) {
        const auto& subjects = book.fekh ? fekhSubjects() : hadithSubjects();
        return (book.fekh ? ruling : doing) +
               subjects[(book.number * 7 + topic) % subjects.size()] + place;
    }
    std::string title = book.fekh ? proving : saying;
    // the opening words of the first aya from a seeded place long enough to pass 100 characters
    const size_t count = quotes.texts.size();
    size_t k = seed(book, topic, 1) % count;
    while (quotes.texts[k].size() < 100) k = (k + 1) % count;
    const std::string& aya = quotes.texts[k];
    for (size_t at = 0, first = 1; at < aya.size() && title.size() < 112; first = 0) {
        const size_t end = std::min(aya.find(' ', at), aya.size());
        if (!first) title += ' ';
        title.append(aya, at, end - at);
        at = end + 1;
    }
    return title + upTo + place;
}

// How many ayas a topic quotes: mostly a few, now and then a long passage.
int quoteCount(const Book& book, int topic) {
    const uint64_t h = seed(book, topic, 2);
    const int kind = static_cast<int>(h % 100);
    const int pick = static_cast<int>((h >> 32) % 1000);  // never negative: every topic quotes
    if (kind < 50) return 1 + pick % 4;
    if (kind < 85) return 5 + pick % 10;
    return 15 + pick % 56;
}

// The reader shows and copies the title above the text, so the text begins
// with its own words; it says in Arabic which topic it is, since it is read
// right to left.
std::string topicText(const Book& book, int topic, const AyaQuotes& quotes) {
    static const std::string note = cp("هذا نص تجريبي يقوم مقام نص "),
                             followed = cp("، تتلوه آيات من القرآن الكريم."),
                             said = cp("قال الله تعالى:"), open = cp("«"), close = cp("» ");
    std::string text = note + topicName(book, topic) + followed + "\r\n";
    for (const Planted& p : kPlanted)
        if (p.book == book.number && p.topic == topic) text += cp(p.sentence) + "\r\n";
    text += "\r\n" + said + "\r\n";
    const size_t count = quotes.texts.size();
    size_t k = seed(book, topic, 3) % count;
    for (int i = quoteCount(book, topic); i > 0; --i, k = (k + 1) % count)
        text += open + quotes.texts[k] + close + quotes.references[k] + "\r\n";
    return text + "\r\n" + cp("انتهى نص ") + topicName(book, topic) + ".";
}

}  // namespace

std::vector<Book> libraryBooks() {
    static const std::string bookOf = cp("كتاب "), from = cp(" من ");
    std::vector<Book> books;
    int hadith = 0, fekh = 0;
    for (const BookGroup& g : kBookGroups) {
        for (int b = g.first; b <= g.last; ++b) {
            const std::string& name = g.fekh
                                          ? fekhBookNames()[fekh++ % fekhBookNames().size()]
                                          : hadithBookNames()[hadith++ % hadithBookNames().size()];
            books.push_back({b, g.fekh, topicCount(b),
                             bookOf + name + from + cp(g.arabic) + " (" + std::to_string(b) + ")"});
        }
    }
    std::sort(books.begin(), books.end(),
              [](const Book& a, const Book& b) { return a.number < b.number; });
    return books;
}

std::string numberedTextFile(const std::vector<std::string>& texts) {
    std::string out;
    uint64_t at = texts.size() * 10;
    size_t total = 0;
    for (const std::string& t : texts) total += t.size();
    out.reserve(at + total);
    for (size_t n = 1; n <= texts.size(); ++n) {
        putTextRecord(out, static_cast<int>(n), at, texts[n - 1].size());
        at += texts[n - 1].size();
    }
    for (const std::string& t : texts) out += t;
    return out;
}

std::string bookTitlesFile(const std::vector<Book>& books) {
    std::vector<std::string> titles(books.back().number);
    for (const Book& b : books) titles[b.number - 1] = b.title;
    return numberedTextFile(titles);
}

std::string topicCountFile(const std::vector<Book>& books) {
    std::vector<int> counts(books.back().number);
    for (const Book& b : books) counts[b.number - 1] = b.topics;
    std::string out;
    for (size_t n = 1; n <= counts.size(); ++n) {
        put16(out, static_cast<int>(n));
        put16(out, counts[n - 1]);
        put32(out, 0);
        put16(out, 0);
    }
    return out;
}

AyaQuotes AyaQuotes::load(const QuranStructure& quran) {
    const std::vector<QString> ayas = readAyaTexts(quranTextFile("ar.tsv"), quran);
    AyaQuotes q;
    for (const SuraInfo& s : quran.suras()) {
        const std::string name = toCp1256(s.name);
        for (int a = 1; a <= s.ayaCount; ++a) {
            q.texts.push_back(encodeExactly(ayas[s.firstId + a - 2], 1256, "ar.tsv"));
            q.references.push_back("(" + name + ": " + std::to_string(a) + ")");
        }
    }
    return q;
}

TopicFiles topicFiles(const Book& book, const AyaQuotes& quotes) {
    std::vector<std::string> titles, texts;
    for (int t = 1; t <= book.topics; ++t) {
        titles.push_back(topicTitle(book, t, quotes));
        texts.push_back(topicText(book, t, quotes));
    }
    return {numberedTextFile(titles), numberedTextFile(texts)};
}

namespace {

// The subjects of the translated book's topics; "Patience" is the subject of
// topic 5 alone, and only topic 12 names it besides.
const char* const kLiveSubjects[kLiveTopics] = {
    "Revelation",
    "Belief",
    "Knowledge",
    "Ablution",
    "Patience",
    "Bathing",
    "Dry ablution",
    "Prayer",
    "Times of prayer",
    "Call to prayer",
    "Friday prayer",
    "Gratitude",
    "Prayer in fear",
    "The two feasts",
    "The odd-numbered prayer",
    "Prayer for rain",
    "Eclipses",
    "Prostration in recitation",
    "Shortening the prayer",
    "Night prayer",
    "Funerals",
    "Obligatory charity",
    "Charity at the end of the fast",
    "Pilgrimage",
    "The lesser pilgrimage",
    "Fasting",
    "Night prayers of the month of fasting",
    "Retreat in the mosque",
    "Sales and trade",
    "Payment in advance",
    "Hiring",
    "Transfer of debts",
    "Agency",
    "Farming",
    "Water rights",
    "Loans",
    "Lost property",
    "Wrongs",
    "Partnership",
    "Pledges",
    "Freeing captives",
    "Gifts",
    "Witnesses",
    "Making peace",
    "Conditions",
    "Wills",
    "Endowments",
    "Striving in the way of God",
    "The one-fifth share",
    "The beginning of creation",
    "The prophets",
    "Virtues",
    "The companions",
    "The emigration",
    "Expeditions",
    "Interpretation of the Quran",
    "Virtues of the Quran",
    "Marriage",
    "Divorce",
    "Supporting the family",
    "Food",
    "The birth sacrifice",
    "Hunting and slaughter",
    "Sacrifices",
    "Drinks",
    "Illness",
    "Medicine",
    "Dress",
    "Good manners",
    "Asking permission",
    "Supplications",
    "Softening of hearts",
    "Divine decree",
    "Oaths and vows",
    "Expiation of oaths",
    "Inheritance",
    "Legal punishments",
    "Blood money",
    "Those who turn back",
    "Coercion",
    "Evasions",
    "Dreams",
    "Trials",
    "Judgements",
    "Wishes",
    "Reports of one narrator",
    "Holding fast to the Book",
    "The oneness of God",
    "Truthfulness",
    "Neighbours",
    "Visiting the sick",
    "Repentance",
};

const char* const kLiveSentences[] = {
    "The chapter gathers the reports that speak of %s, each with the names of those who passed it "
    "on.",
    "The translator keeps close to the Arabic wording and adds a short note where a word is rare.",
    "Reports that say the same thing are given together, the shorter one first.",
    "A heading before each report says what it teaches about %s.",
    "Those who explained the collection read these reports together with the chapters around "
    "them.",
    "Where a report stands again elsewhere in the collection, a note gives the other place.",
    "The Arabic text is kept in the original volume; this translation gives its meaning in plain "
    "English.",
    "A word found by the search is painted red wherever it stands in the text of a topic.",
    "This sample text was composed for the disc and is not the real translation.",
    "The chapter ends with a short summary of what the reports say about %s.",
    "Readers may print the topic or copy it, together with its title, to another program.",
};

QString liveTitle(int n) {
    return QString("%1 (topic %2)").arg(kLiveSubjects[n - 1]).arg(n);
}

}  // namespace

std::string liveTitlesFile() {
    std::string out = "[titles]\r\n";
    for (int n = 1; n <= kLiveTopics; ++n)
        out += std::to_string(n) + "=" + liveTitle(n).toStdString() + "\r\n";
    return out;
}

std::string liveTopic(int n) {
    QString subject = kLiveSubjects[n - 1];
    subject[0] = subject[0].toLower();
    // The reader shows the title above the text and copies both, so the text
    // does not begin with it; it names its subject once, as the title does.
    std::vector<RtfParagraph> doc = {
        {QString("Subject: %1. This is topic %2 of %3 in the Translation of Sahih Tolvaric on the "
                 "sample disc. It stands in for the translated chapter on %4.")
             .arg(kLiveSubjects[n - 1])
             .arg(n)
             .arg(kLiveTopics)
             .arg(subject),
         false, false, 24},
    };
    const int paragraphs = 3 + n % 5;
    const uint64_t sentences = std::size(kLiveSentences);
    for (int k = 1; k <= paragraphs; ++k) {
        QString text = QString("Topic %1, paragraph %2. ").arg(n).arg(k);
        const uint64_t first = mix(static_cast<uint64_t>(n) * 100 + k);
        for (int i = 0; i < 3; ++i)  // three different sentences: 4 and 11 have no common factor
            text +=
                QString(kLiveSentences[(first + i * 4) % sentences]).replace("%s", subject) + " ";
        if (n == 12 && k == 2)
            text += "Gratitude is often named together with Patience, the subject of topic 5. ";
        doc.push_back({text.trimmed(), false, false, 24});
    }
    return rtfDocument(doc);
}

}  // namespace disc
