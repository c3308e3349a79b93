#include "stars/shensha_descriptions.h"

#include <gtest/gtest.h>

#include <iterator>
#include <map>
#include <set>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

#include "stars/shensha_tables.h"
#include "support/gbk_assert.h"

using namespace orvane;

namespace {

struct ListedName {
    int starId;
    const char* name;
};

// The list names in StarId order, as the report shows them.
const ListedName kListedNames[] = {
    {101, "天乙"}, {102, "玉堂"}, {103, "文昌"}, {104, "真文昌"}, {105, "元禄神"}, {106, "元星"}, {107, "天厨"},
    {108, "太极贵人"}, {109, "文昌贵"}, {110, "文星贵"}, {111, "天印贵"}, {112, "天福"}, {113, "天官"}, {114, "岁德"},
    {115, "岁德合"}, {116, "岁干合"}, {117, "真阳贵"}, {118, "真阴贵"}, {119, "真命禄"}, {120, "武曲星"}, {121, "金神七煞"},
    {122, "红艳煞"}, {123, "流霞"}, {124, "天扫星"}, {125, "节度贵人"}, {126, "金舆"}, {127, "红鸾天印"}, {128, "福星贵人"},
    {129, "天马"}, {130, "阳星"}, {131, "阳山"}, {201, "驿马"}, {202, "攀鞍"}, {203, "亡神"}, {204, "劫煞"}, {205, "六厄"},
    {206, "暗金的杀"}, {207, "元辰"}, {208, "勾绞"}, {209, "灾杀"}, {210, "孤辰"}, {211, "寡宿"}, {212, "隔角杀"},
    {213, "宅杀"}, {214, "墓杀"}, {215, "丧门"}, {216, "吊客"}, {217, "白虎兼刃"}, {218, "华盖自墓"}, {219, "桃花"},
    {220, "咸池"}, {221, "将星"}, {222, "禄马交驰"}, {223, "天刑杀"}, {224, "官符杀"}, {225, "吞噜杀"}, {226, "病符杀"},
    {227, "死符杀"}, {228, "浮沉杀"}, {229, "破杀"}, {230, "自缢杀"}, {231, "天罗"}, {232, "地网"}, {233, "紫暗星"},
    {234, "埋儿杀"}, {235, "年飞廉"}, {236, "年官符"}, {237, "桃花簪主"}, {238, "破碎朝元"}, {239, "白虎胎神"},
    {240, "白虎胎神(纳音取)"}, {241, "学堂"}, {242, "词馆"}, {243, "自生"}, {244, "自沐"}, {245, "自冠带"}, {246, "自临官"},
    {247, "自旺"}, {248, "自衰"}, {249, "自病"}, {250, "自死"}, {251, "自墓"}, {252, "自绝"}, {253, "自胎"}, {254, "自养"},
    {255, "三公煞"}, {256, "天狗"}, {301, "天德"}, {302, "天德合"}, {303, "月德"}, {304, "月德合"}, {305, "暗天德"},
    {306, "暗月德"}, {307, "注受"}, {308, "月将"}, {309, "天医"}, {310, "建禄"}, {311, "天赦"}, {312, "火（丙）德"},
    {313, "水（癸）德"}, {314, "阳德"}, {315, "阴德"}, {316, "天喜神"}, {317, "旌德煞"}, {318, "旌钺煞"}, {319, "旌钺煞"},
    {320, "福德"}, {321, "秀气"}, {322, "冰消瓦解(破月)"}, {323, "地扫星"}, {324, "血忌"}, {325, "血支"}, {326, "天耗"},
    {327, "地耗"}, {328, "三丘"}, {329, "五墓"}, {330, "天转"}, {331, "地转"}, {332, "四废日"}, {333, "十恶大败"},
    {334, "雷霆杀1"}, {335, "雷霆杀2"}, {336, "戟锋杀"}, {337, "天元坐财"}, {338, "月官符"}, {339, "太阳居垣"}, {340, "天医"},
    {341, "地医"}, {342, "天合"}, {343, "成神"}, {344, "天旺"}, {345, "少阴"}, {346, "月天赦"}, {347, "赦文"}, {348, "月天恩"},
    {349, "恩赦"}, {350, "月天喜"}, {351, "活曜"}, {352, "月喝散"}, {353, "月天解"}, {354, "月解神"}, {355, "天印"},
    {356, "地贼"}, {357, "天火"}, {358, "折伤"}, {359, "隔神"}, {360, "天牢"}, {361, "地狱"}, {362, "五鬼星"}, {363, "毛头"},
    {364, "小杀"}, {365, "阴杀"}, {366, "天芜"}, {367, "独火"}, {368, "天祸"}, {369, "天河"}, {370, "白浪"}, {371, "覆舟"},
    {372, "丧车"}, {373, "土瘟"}, {374, "白衣"}, {375, "退悔"}, {376, "死神"}, {377, "生成日"}, {378, "白衣杀"},
    {379, "五鬼运财"}, {380, "空箭"}, {381, "受死日"}, {382, "杨忌日"}, {383, "赤口日"}, {401, "天乙贵人"}, {402, "天厨食禄"},
    {403, "禄神"}, {404, "真官"}, {405, "真印"}, {406, "真贵"}, {407, "金舆禄"}, {408, "天元暗禄"}, {409, "暗禄"},
    {410, "正马"}, {411, "福德秀气"}, {412, "日德"}, {413, "魁罡"}, {414, "进神"}, {415, "十灵日"}, {416, "阴阳煞"},
    {417, "红艳杀"}, {418, "阴阳差错"}, {419, "十恶大败"}, {420, "真长生"}, {421, "墓杀"}, {422, "阳刃"}, {423, "真阳刃"},
    {424, "金神"}, {425, "截路空亡"}, {426, "十大空亡"}, {427, "天上空亡"}, {428, "十干空亡"}, {429, "五鬼空亡"}, {430, "破祖空亡"},
    {431, "八专"}, {432, "九丑"}, {433, "孤鸾寡鹄"}, {434, "正桃花"}, {435, "胎元财官"}, {436, "建禄"}, {437, "沐浴咸池"},
    {438, "水溺杀"}, {439, "阙字曲脚"}, {440, "禄马同乡"}, {441, "胞胎印绶"}, {442, "风云庆会"}, {443, "禄元互换"}, {444, "天元坐禄"},
    {445, "归禄"}, {446, "官贵学堂"}, {447, "官贵学馆"}, {448, "十干学堂"}, {449, "正学馆"}, {450, "外财"}, {451, "日解"},
    {452, "喝散"}, {453, "日天赦"}, {454, "内解"}, {455, "六秀日"}, {456, "国印贵人"}, {501, "天屠杀"}, {502, "天罗"},
    {503, "地网"}, {504, "风云庆会"}, {505, "禄元互换"}, {506, "隔角杀"}, {507, "孤辰隔角"}, {508, "惆怅杀"}, {509, "血光杀"},
};

// Stars whose two rows print one paragraph.
const std::pair<int, int> kSharedPairs[] = {{210, 211}, {213, 214}, {215, 216}, {231, 232},
                                            {301, 302}, {317, 318}, {330, 331}, {334, 335},
                                            {370, 371}, {448, 449}, {502, 503}, {508, 509}};

// Number of GBK characters, or -1 when the bytes are not well-formed GBK.
int gbk_character_count(const std::string& s) {
    int count = 0;
    for (std::size_t i = 0; i < s.size(); ++count) {
        const auto lead = static_cast<unsigned char>(s[i]);
        if (lead < 0x80) {
            ++i;
            continue;
        }
        if (lead == 0x80 || lead == 0xFF || i + 1 >= s.size()) return -1;
        const auto trail = static_cast<unsigned char>(s[i + 1]);
        if (trail < 0x40 || trail == 0x7F || trail == 0xFF) return -1;
        i += 2;
    }
    return count;
}

const ShenShaSMRow& row_of(int starId) {
    const ShenShaSMRow* row = find_star_description(starId);
    if (row == nullptr) throw std::runtime_error("no row for star " + std::to_string(starId));
    return *row;
}

}  // namespace

TEST(ShenShaDescriptions, RowsAreTheListedStarsInAscendingOrder) {
    ASSERT_EQ(std::size(kListedNames), ShenShaSM.size());
    for (std::size_t i = 0; i < ShenShaSM.size(); ++i) {
        SCOPED_TRACE(kListedNames[i].starId);
        EXPECT_EQ(kListedNames[i].starId, ShenShaSM[i].starId);
        EXPECT_GBK_EQ(kListedNames[i].name, ShenShaSM[i].Name);
        if (i > 0) {
            EXPECT_LT(ShenShaSM[i - 1].starId, ShenShaSM[i].starId);
        }
    }
}

TEST(ShenShaDescriptions, GroupsHoldTheirFullRanges) {
    const std::pair<int, int> ranges[] = {{101, 131}, {201, 256}, {301, 383}, {401, 456}, {501, 509}};
    std::size_t i = 0;
    for (const auto& [first, last] : ranges)
        for (int id = first; id <= last; ++id, ++i) ASSERT_EQ(id, ShenShaSM.at(i).starId);
    EXPECT_EQ(ShenShaSM.size(), i);
}

TEST(ShenShaDescriptions, QuotedParagraphsAreExact) {
    EXPECT_GBK_EQ("命带文昌贵，主聪明秀气，职位高。", row_of(109).SM);
    EXPECT_GBK_EQ("主女性婚后克家婆。", row_of(130).SM);
    EXPECT_GBK_EQ("主女性婚后克家公。", row_of(131).SM);
    EXPECT_GBK_EQ("命、运、岁逢之主升迁、发财。", row_of(222).SM);
    EXPECT_GBK_EQ("主克子。", row_of(256).SM);
    EXPECT_GBK_EQ("一生富贵。", row_of(379).SM);
    EXPECT_GBK_EQ("贵命。", row_of(504).SM);
}

TEST(ShenShaDescriptions, SharedPairsPointAtOneParagraph) {
    for (const auto& [a, b] : kSharedPairs) {
        SCOPED_TRACE(a);
        EXPECT_EQ(row_of(a).SM, row_of(b).SM);
        EXPECT_STRNE(row_of(a).Name, row_of(b).Name);
    }
}

TEST(ShenShaDescriptions, NoOtherParagraphRepeats) {
    std::set<std::pair<int, int>> allowed(std::begin(kSharedPairs), std::end(kSharedPairs));
    std::map<std::string, int> firstStarOfText;
    for (const auto& row : ShenShaSM) {
        const auto [it, inserted] = firstStarOfText.emplace(row.SM, row.starId);
        if (!inserted) {
            EXPECT_TRUE(allowed.count({it->second, row.starId}))
                << row.starId << " repeats the paragraph of " << it->second;
        }
    }
    EXPECT_EQ(ShenShaSM.size() - std::size(kSharedPairs), firstStarOfText.size());
}

TEST(ShenShaDescriptions, ParagraphsArePlainSentencesWithinLength) {
    for (const auto& row : ShenShaSM) {
        SCOPED_TRACE(row.starId);
        const std::string text = row.SM;
        EXPECT_GE(text.size(), 6u);
        EXPECT_LE(text.size(), 1023u);
        EXPECT_GT(gbk_character_count(text), 0);
        EXPECT_EQ(std::string::npos, text.find_first_of("\r\n\t<>&"));
        ASSERT_GE(text.size(), 2u);
        EXPECT_GBK_EQ("。", text.substr(text.size() - 2));
    }
}

TEST(ShenShaDescriptions, NamesAreTwoToNineCharacters) {
    for (const auto& row : ShenShaSM) {
        SCOPED_TRACE(row.starId);
        const int chars = gbk_character_count(row.Name);
        EXPECT_GE(chars, 2);
        EXPECT_LE(chars, 9);
    }
}

TEST(FindStarDescription, FindsEveryRowByItsStar) {
    for (const auto& row : ShenShaSM) EXPECT_EQ(&row, find_star_description(row.starId));
    EXPECT_GBK_EQ("天狗", row_of(256).Name);
    EXPECT_GBK_EQ("进神", row_of(414).Name);
}

TEST(FindStarDescription, StarsWithoutRowsGiveNothing) {
    for (int id : {-1, 0, 100, 132, 199, 200, 257, 300, 384, 400, 457, 500, 510, 549, 550})
        EXPECT_EQ(nullptr, find_star_description(id)) << id;
}

// A paragraph that judges the star "when the day pillar meets it" belongs to a star looked for
// only on the day pillar; a star found on other branches too must say how it is read there.
TEST(ShenShaDescriptions, DayPillarWordingOnlyForStarsFoundOnTheDay) {
    for (const auto& row : ShenShaSM) {
        const std::string text = row.SM;
        if (text.find("日柱逢之") == std::string::npos) continue;
        for (const auto& position : shen_sha_positions(row.starId)) {
            const std::string code = position.code;
            EXPECT_TRUE(code == "d" || code == "dg" || code == "dz" || code == "lz")
                << row.starId << " is also found at " << code;
        }
    }
}

// Words of the present day that the register of the paragraphs does not use.
TEST(ShenShaDescriptions, ParagraphsKeepTheClassicalRegister) {
    const char* modern[] = {"电击", "航运", "渔业", "游泳", "手术", "开刀", "管理", "法律", "领导",
                            "军警", "公职", "文凭", "证书", "外科", "机械", "公司", "企业"};
    for (const auto& row : ShenShaSM)
        for (const char* word : modern)
            EXPECT_EQ(std::string(row.SM).find(word), std::string::npos)
                << row.starId << " " << testsupport::readable(word);
}

