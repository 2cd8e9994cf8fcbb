#include "tagweed_data.h"

#include <QString>
#include <stdexcept>

#include "aya_texts.h"

namespace disc {

namespace {

const std::vector<std::vector<TagweedPage>>& rules() {
    static const std::vector<std::vector<TagweedPage>> all = {
        // 1 the still mim
        {{2,
          "للميم الساكنة ثلاثة أحكام: الإخفاء الشفوي إذا وليها حرف الباء، والإدغام الشفوي إذا "
          "وليها ميم متحركة، والإظهار الشفوي عند بقية حروف الهجاء."},
         {4,
          "يشتد الإظهار الشفوي عند الواو والفاء لقرب مخرجهما من مخرج الميم، فيحذر القارئ من "
          "إخفاء الميم عندهما."}},
        // 2 the still nun and tanwin
        {{3, "للنون الساكنة والتنوين أربعة أحكام: الإظهار، والإدغام، والإقلاب، والإخفاء."},
         {6,
          "الإظهار عند حروف الحلق الستة: الهمزة والهاء والعين والحاء والغين والخاء.\n"
          "والإدغام في حروف «يرملون»."},
         {5,
          "الإقلاب عند حرف الباء: تقلب النون الساكنة أو التنوين ميماً مخفاة مع الغنة.\n"
          "والإخفاء عند بقية الحروف، وهي خمسة عشر حرفاً."}},
        // 3 doubled nun and mim
        {{2, "تجب الغنة في النون والميم المشددتين بمقدار حركتين، وتسمى كل منهما حرف غنة مشدداً."}},
        // 4 stopping and starting
        {{0,
          "الوقف قطع الصوت عن الكلمة زمناً يتنفس فيه القارئ بنية استئناف القراءة، والابتداء "
          "هو الشروع في القراءة بعد قطع أو وقف."},
         {4,
          "أنواع الوقف أربعة: التام، والكافي، والحسن، والقبيح.\n"
          "ولا يبتدأ إلا بكلام مستقل في المعنى."}},
        // 5 hiding
        {{5,
          "الإخفاء نطق الحرف بصفة بين الإظهار والإدغام، عارياً عن التشديد، مع بقاء الغنة في "
          "الحرف الأول. وحروفه خمسة عشر حرفاً."}},
        // 6 merging
        {{3, "الإدغام إدخال حرف ساكن في حرف متحرك بحيث يصيران حرفاً واحداً مشدداً."},
         {4, "الإدغام قسمان: إدغام بغنة في حروف «ينمو»، وإدغام بغير غنة في اللام والراء."}},
        // 7 clear pronunciation
        {{6,
          "الإظهار إخراج كل حرف من مخرجه من غير غنة في الحرف المظهر. وحروفه حروف الحلق "
          "الستة."}},
        // 8 turning
        {{3,
          "الإقلاب جعل حرف مكان آخر: تقلب النون الساكنة أو التنوين ميماً عند الباء، مع مراعاة "
          "الغنة والإخفاء."}},
        // 9 heavy and light letters
        {{2,
          "التفخيم تسمين الحرف حتى يمتلئ الفم بصداه، والترقيق تنحيف الحرف حتى لا يمتلئ الفم "
          "بصداه."},
         {7,
          "حروف الاستعلاء سبعة مجموعة في «خص ضغط قظ» وتفخم دائماً، وحروف الاستفال ترقق، إلا "
          "اللام والراء والألف ففيها تفصيل."}},
        // 10 two still letters meeting
        {{2,
          "إذا التقى ساكنان في كلمة أو كلمتين تخلص القارئ من التقائهما بحذف الأول أو تحريكه، "
          "بحسب نوعه وموضعه."}},
        // 11 akin letters
        {{3,
          "المتجانسان حرفان اتحدا مخرجاً واختلفا صفة، مثل التاء والطاء، والدال والتاء، والثاء "
          "والذال."}},
        // 12 near letters
        {{2, "المتقاربان حرفان تقاربا مخرجاً أو صفة، مثل اللام والراء، والقاف والكاف."}},
        // 13 like letters
        {{2,
          "المثلان حرفان اتحدا مخرجاً وصفة، كالباء والباء، فإذا سكن الأول وتحرك الثاني وجب "
          "إدغامهما."}},
        // 14 echoing
        {{5,
          "القلقلة اضطراب الصوت عند النطق بالحرف الساكن حتى يسمع له نبرة قوية. وحروفها خمسة "
          "مجموعة في «قطب جد»."}},
        // 15 lengthening
        {{3,
          "المد إطالة الصوت بحرف من حروف المد الثلاثة: الألف الساكنة المفتوح ما قبلها، والواو "
          "الساكنة المضموم ما قبلها، والياء الساكنة المكسور ما قبلها."},
         {8,
          "ينقسم المد إلى قسمين: أصلي وفرعي.\n"
          "فالأصلي ما لا تقوم ذات الحرف إلا به، والفرعي ما زاد على الأصلي بسبب همز أو سكون."},
         {1, "تقاس مدة المد بالحركات، والحركة مقدار قبض الإصبع أو بسطه."}},
        // 16 natural lengthening
        {{3, "المد الأصلي أو الطبيعي يمد بمقدار حركتين، ولا يتوقف على سبب من همز أو سكون."}},
        // 17 derived lengthening
        {{4,
          "المد الفرعي ما زاد على المد الطبيعي بسبب همز أو سكون، ومنه المتصل والمنفصل واللازم "
          "والعارض للسكون."},
         {4, "المد المتصل واجب ويمد أربع أو خمس حركات، والمد اللازم يمد ست حركات دائماً."}},
        // 18 the lam of the article
        {{6,
          "للام «أل» التعريف حالتان: الإظهار قبل الحروف القمرية، والإدغام في الحروف "
          "الشمسية."}},
        // 19 the lam of a particle
        {{2, "لام الحرف مثل لام «هل» و«بل»، تظهر عند جميع الحروف إلا اللام والراء فتدغم فيهما."}},
        // 20 the lam of a verb
        {{2, "لام الفعل تظهر دائماً إلا إذا جاء بعدها لام أو راء فتدغم فيها."}},
        // 21 notes on lengthening
        {{1,
          "يجب التسوية في مقدار المد بين المدود المتماثلة في القراءة الواحدة، فلا يمد موضع أكثر "
          "من نظيره."}},
        // 22 the cutting hamza
        {{3, "همزة القطع تثبت في الابتداء وفي الوصل، وتكتب على الألف أو تحتها."}},
        // 23 the joining hamza
        {{4, "همزة الوصل تثبت في الابتداء وتسقط في الوصل، وتأتي في الأسماء والأفعال والحروف."}},
    };
    return all;
}

void put8(std::string& out, int v) {
    out += static_cast<char>(v & 0xFF);
}
void put32(std::string& out, uint32_t v) {
    for (int i = 0; i < 4; ++i) put8(out, static_cast<int>(v >> (8 * i)));
}

}  // namespace

const std::vector<TagweedPage>& tagweedPages(int rule) {
    return rules().at(static_cast<size_t>(rule - 1));
}

std::string tagweedPageText(int rule, int page) {
    const std::vector<TagweedPage>& pages = tagweedPages(rule);
    const TagweedPage& entry = pages.at(static_cast<size_t>(page - 1));
    QString text = QString::fromUtf8(entry.text);
    text += QString::fromUtf8("\n\nالصفحة %1 من %2 - الأمثلة: %3")
                .arg(page)
                .arg(pages.size())
                .arg(entry.examples);
    text.replace("\n", "\r\n");
    return encodeExactly(text, 1256, "rule " + std::to_string(rule));
}

std::string tagweedFile() {
    constexpr int kRules = 23;
    std::string index, tables, texts;
    const uint32_t tablesAt = kRules * 6;
    uint32_t pageCount = 0;
    for (int r = 1; r <= kRules; ++r) pageCount += static_cast<uint32_t>(tagweedPages(r).size());
    const uint32_t textsAt = tablesAt + pageCount * 10;
    for (int r = 1; r <= kRules; ++r) {
        const auto& pages = tagweedPages(r);
        put8(index, r);
        put8(index, static_cast<int>(pages.size()));
        put32(index, tablesAt + static_cast<uint32_t>(tables.size()));
        for (size_t p = 1; p <= pages.size(); ++p) {
            const std::string text = tagweedPageText(r, static_cast<int>(p));
            if (pages[p - 1].examples > 8) throw std::logic_error("more than eight examples");
            put8(tables, static_cast<int>(p));
            put8(tables, pages[p - 1].examples);
            put32(tables, textsAt + static_cast<uint32_t>(texts.size()));
            put32(tables, static_cast<uint32_t>(text.size()));
            texts += text;
        }
    }
    return index + tables + texts;
}

}  // namespace disc
