#include "report/texts/temperament_texts.h"

namespace orvane::temperament_texts {

const std::array<const char*, 5> HurtingOfficer = {
    nullptr,
    "不会甜言蜜语，不善于打扮。",
    "不会甜言蜜语，不善于打扮，暴躁，凡事较冲动。",
    "自尊心强，不会甜言蜜语，不善于打扮，喜欢打抱不平。",
    "自尊心强，喜欢打抱不平，不会甜言蜜语，不善于打扮，暴躁，凡事较冲动。",
};

const char* const AllYangMan = "男命全阳正局，聪明能干，敢做敢当，出类拔萃。";
const char* const AllYinWoman = "女命全阴正局，聪明能干，敢做敢当，出类拔萃。";
const char* const AllYinMan = "男命全阴反局，一生勤劳。";
const char* const AllYangWoman = "女命全阳反局，一生勤劳。";

const char* const ClashHarmonyBalance = "性格刚柔两济，紧慢不调，做事犹豫不决。";
const char* const PunishClash = "性格耿直，凡事较冲动，说话干脆。";
const char* const HarmonyRich = "办事细心、保守、胆小，怕苦畏难。";
const char* const WonderOrPair = "八字有格局，慈善好施，聪慧有智，才学堪夸，名声显达。";
const char* const JiaziJiawuDay = "相貌堂堂，敢做敢为，有机谋，敢创新。";
const char* const MixedStars = "勤劳好学，自食其乐，凡事带头，不畏权贵。";
const char* const UniformPillars = "一生清高，不会勤劳，乐观快乐，得过且过。";

const char* const SevenKillingsOpening = "沉默寡言，";
const char* const SevenKillingsMixed = "任事混杂多样、三分钟热度。";
const char* const SevenKillingsEloquent = "有口才，有权威。";
const char* const SevenKillingsTense = "性紧。";
const char* const SevenKillingsGentle = "性柔。";

}  // namespace orvane::temperament_texts
