#include "engine/names.h"

#include "engine/cycle.h"

namespace orvane {

const std::array<const char*, 11> StemNames = {"", "甲", "乙", "丙", "丁", "戊", "己", "庚", "辛", "壬", "癸"};

const std::array<const char*, 13> BranchNames = {"",   "子", "丑", "寅", "卯", "辰", "巳",
                                                 "午", "未", "申", "酉", "戌", "亥"};

const std::array<const char*, 60> CycleNames = {
    "癸亥", "甲子", "乙丑", "丙寅", "丁卯", "戊辰", "己巳", "庚午", "辛未", "壬申", "癸酉", "甲戌",
    "乙亥", "丙子", "丁丑", "戊寅", "己卯", "庚辰", "辛巳", "壬午", "癸未", "甲申", "乙酉", "丙戌",
    "丁亥", "戊子", "己丑", "庚寅", "辛卯", "壬辰", "癸巳", "甲午", "乙未", "丙申", "丁酉", "戊戌",
    "己亥", "庚子", "辛丑", "壬寅", "癸卯", "甲辰", "乙巳", "丙午", "丁未", "戊申", "己酉", "庚戌",
    "辛亥", "壬子", "癸丑", "甲寅", "乙卯", "丙辰", "丁巳", "戊午", "己未", "庚申", "辛酉", "壬戌"};

const std::array<const char*, 11> TenGodNames = {"比肩", "比劫", "偏印", "正印", "七杀", "正官",
                                                 "偏财", "正财", "食神", "伤官", "    "};

const std::array<const char*, 10> TenGodSpacedNames = {"比  肩", "比  劫", "偏  印", "正  印", "七  杀",
                                                       "正  官", "偏  财", "正  财", "食  神", "伤  官"};

const std::array<const char*, 12> LifeStageNames = {"长生", "沐浴", "冠带", "临官", "帝旺", " 衰 ",
                                                    " 病 ", " 死 ", " 墓 ", " 绝 ", " 胎 ", " 养 "};

const std::array<const char*, 30> NayinNames = {
    "大海水", "海中金", "炉中火", "大林木", "路旁土", "剑锋金", "山头火", "涧下水", "城头土", "白腊金",
    "杨柳木", "泉中水", "屋上土", "霹雳火", "松柏木", "长流水", "沙中金", "山下火", "平地木", "壁上土",
    "金箔金", "复灯火", "天河水", "太驿土", "钗钏金", "桑柘木", "大溪水", "沙中土", "天上火", "石榴木"};

const std::array<const char*, 24> SolarTermNames = {
    "大寒", "立春", "雨水", "惊蛰", "春分", "清明", "谷雨", "立夏", "小满", "芒种", "夏至", "小暑",
    "大暑", "立秋", "处暑", "白露", "秋分", "寒露", "霜降", "立冬", "小雪", "大雪", "冬至", "小寒"};

const std::array<const char*, 6> ElementNames = {"", "木", "火", "土", "金", "水"};

const std::string& cycle_name(int cycleIndex) {
    // Made once: a report asks for thousands of names.
    static const std::array<std::string, 60> names = [] {
        std::array<std::string, 60> all;
        for (std::size_t i = 0; i < all.size(); ++i) all[i] = CycleNames[i];
        return all;
    }();
    return names[static_cast<size_t>(wrap(cycleIndex, 60))];
}

std::string branch_name(int branch) { return BranchNames[static_cast<size_t>(wrap1(branch, 12))]; }

}  // namespace orvane
