// 日支神煞说明 — descriptions of the stars keyed on the day branch (501..509).
#pragma once

#include <array>

#include "stars/shensha_descriptions.h"

namespace orvane::shensha_text {

// 天罗 and 地网 of the day branch, read on the hour branch.
inline constexpr char TianLuoDiWangDay[] =
    "日支见戌亥为天罗，见辰巳为地网，以日支查时支。罗网临于日时，主夫妻子女之事多有困滞，中晚年行事如入网中，"
    "难以施展；身体亦防缠绵之疾。宜谨慎守法，勤修善行，则网开一面。";

// 惆怅杀 and 血光杀 are read together.
inline constexpr char ChouChangXueGuang[] =
    "惆怅杀与血光杀以日支取之，一主心绪惆怅，一主血光之灾。命中见之，其人多愁善感，常有失意之叹，"
    "又防意外流血、金刃之伤；宜宽心调养，出入谨慎。";

inline constexpr std::array<ShenShaSMRow, 9> DayBranchRows = {{
    {501, "天屠杀",
     "天屠杀以日支查时支，主屠戮刑伤。命中见之，其人性急易怒，与子女意见相左；宜防刀刃之伤，操屠宰、疡医之业可化其凶。"},
    {502, "天罗", TianLuoDiWangDay},
    {503, "地网", TianLuoDiWangDay},
    {504, "风云庆会", "贵命。"},
    {505, "禄元互换",
     "此禄元互换以日支查时干，日支与时干之禄互换相依。主晚年得子孙之助，家业与子女相互扶持，财禄往来无碍。"},
    {506, "隔角杀",
     "此隔角以日支查时支，日时隔角，主晚年与子女隔阂，家中不和；又主刑狱之灾，宜守法修身。"},
    {507, "孤辰隔角",
     "孤辰隔角以日支查四支，孤辰与隔角同位，孤上加隔。主性情孤僻，六亲疏远，婚姻难谐，晚景孤独；"
     "宜多与人交往，修心养性。"},
    {508, "惆怅杀", ChouChangXueGuang},
    {509, "血光杀", ChouChangXueGuang},
}};

}  // namespace orvane::shensha_text
