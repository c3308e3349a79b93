// 年干神煞 — rule rows of the special stars keyed by the year stem (101..131).
// Rows are in StarId order, the rows of one star together; a star with a rule of its own
// and no rows is named in a comment only.
// Under each star's opening comment a line says where its rows come from: "source:" and the
// book or table they follow, or "reconstructed:" and the rule used where no table under the
// star's name is known to us. Stars whose rows the program's definition writes out need neither.
#include "stars/shensha_tables.h"

namespace orvane {

using namespace shensha_notation;

const std::array<ShenShaRuleRow, 455> YearStemStarRules = {{
    // 101 天乙: the day-hour 贵人, chosen when born 寅 to 申 (甲戊庚牛羊, 乙己鼠猴乡, 丙丁猪鸡位, 壬癸兔蛇藏, 六辛逢马虎)
    branch_row(101, 甲, 未), branch_row(101, 乙, 申), branch_row(101, 丙, 酉), branch_row(101, 丁, 亥), branch_row(101, 戊, 丑),
    branch_row(101, 己, 子), branch_row(101, 庚, 丑), branch_row(101, 辛, 寅), branch_row(101, 壬, 卯), branch_row(101, 癸, 巳),
    // 102 玉堂: the night-hour 贵人 branch (甲戊庚牛羊 read by night)
    //   source: 《三命通会·论天乙贵人》, the night reading (阴贵) of 甲戊庚牛羊
    branch_row(102, 甲, 丑), branch_row(102, 乙, 子), branch_row(102, 丙, 亥), branch_row(102, 丁, 酉), branch_row(102, 戊, 未),
    branch_row(102, 己, 申), branch_row(102, 庚, 未), branch_row(102, 辛, 午), branch_row(102, 壬, 巳), branch_row(102, 癸, 卯),
    // 103 文昌: the 临官 of the stem's 食神 (甲乙巳午报君知, 丙戊申宫丁己鸡, 庚猪辛鼠壬逢虎, 癸人见卯入云梯)
    //   source: the 文昌 verse 甲乙巳午报君知 of 《三命通会》
    branch_row(103, 甲, 巳), branch_row(103, 乙, 午), branch_row(103, 丙, 申), branch_row(103, 丁, 酉), branch_row(103, 戊, 申),
    branch_row(103, 己, 酉), branch_row(103, 庚, 亥), branch_row(103, 辛, 子), branch_row(103, 壬, 寅), branch_row(103, 癸, 卯),
    // 104 真文昌: the 文昌 branch with the stem the year leads there (五虎遁)
    pillar_row(104, 甲, 己巳), pillar_row(104, 乙, 壬午), pillar_row(104, 丙, 丙申), pillar_row(104, 丁, 己酉), pillar_row(104, 戊, 庚申),
    pillar_row(104, 己, 癸酉), pillar_row(104, 庚, 丁亥), pillar_row(104, 辛, 庚子), pillar_row(104, 壬, 壬寅), pillar_row(104, 癸, 乙卯),
    // 105 元禄神: the stem's 禄 (临官)
    //   source: the 十干禄 (甲禄在寅 …) of 《三命通会·论十干禄》
    branch_row(105, 甲, 寅), branch_row(105, 乙, 卯), branch_row(105, 丙, 巳), branch_row(105, 丁, 午), branch_row(105, 戊, 巳),
    branch_row(105, 己, 午), branch_row(105, 庚, 申), branch_row(105, 辛, 酉), branch_row(105, 壬, 亥), branch_row(105, 癸, 子),
    // 106 元星: the stem's 长生, yang forward and yin backward
    //   reconstructed: no table of 元星 is known; the stem's 长生, as 448 十干学馆
    branch_row(106, 甲, 亥), branch_row(106, 乙, 午), branch_row(106, 丙, 寅), branch_row(106, 丁, 酉), branch_row(106, 戊, 寅),
    branch_row(106, 己, 酉), branch_row(106, 庚, 巳), branch_row(106, 辛, 子), branch_row(106, 壬, 申), branch_row(106, 癸, 卯),
    // 107 天厨: the 禄 of the stem's 食神 (甲丙巳, 乙丁午, 丙戊巳, 丁己午, 戊庚申 …)
    //   source: the 天厨贵人 table (甲丙巳, 乙丁午, 戊申, 己酉, 庚亥, 辛子, 壬寅, 癸卯): the 禄 of the 食神
    branch_row(107, 甲, 巳), branch_row(107, 乙, 午), branch_row(107, 丙, 巳), branch_row(107, 丁, 午), branch_row(107, 戊, 申),
    branch_row(107, 己, 酉), branch_row(107, 庚, 亥), branch_row(107, 辛, 子), branch_row(107, 壬, 寅), branch_row(107, 癸, 卯),
    // 108 太极贵人: 甲乙子午, 丙丁卯酉, 戊己辰戌丑未, 庚辛寅亥, 壬癸巳申
    branch_row(108, 甲, 子), branch_row(108, 甲, 午), branch_row(108, 乙, 子), branch_row(108, 乙, 午), branch_row(108, 丙, 卯),
    branch_row(108, 丙, 酉), branch_row(108, 丁, 卯), branch_row(108, 丁, 酉), branch_row(108, 戊, 辰), branch_row(108, 戊, 戌),
    branch_row(108, 戊, 丑), branch_row(108, 戊, 未), branch_row(108, 己, 辰), branch_row(108, 己, 戌), branch_row(108, 己, 丑),
    branch_row(108, 己, 未), branch_row(108, 庚, 寅), branch_row(108, 庚, 亥), branch_row(108, 辛, 寅), branch_row(108, 辛, 亥),
    branch_row(108, 壬, 申), branch_row(108, 壬, 巳), branch_row(108, 癸, 申), branch_row(108, 癸, 巳),
    // 109 文昌贵: the 文昌 branch, 食神临官
    //   source: the 文昌 verse, as 103: 文昌 and 文昌贵 are one star under two names
    branch_row(109, 甲, 巳), branch_row(109, 乙, 午), branch_row(109, 丙, 申), branch_row(109, 丁, 酉), branch_row(109, 戊, 申),
    branch_row(109, 己, 酉), branch_row(109, 庚, 亥), branch_row(109, 辛, 子), branch_row(109, 壬, 寅), branch_row(109, 癸, 卯),
    // 110 文星贵: the 文星, read like 文昌 as the 食神's 临官
    //   reconstructed: the literature gives 文星 no table of its own (the 文昌 verse is quoted under both names), so the rows are those of 103 文昌
    branch_row(110, 甲, 巳), branch_row(110, 乙, 午), branch_row(110, 丙, 申), branch_row(110, 丁, 酉), branch_row(110, 戊, 申),
    branch_row(110, 己, 酉), branch_row(110, 庚, 亥), branch_row(110, 辛, 子), branch_row(110, 壬, 寅), branch_row(110, 癸, 卯),
    // 111 天印贵: 甲寅 乙亥 丙戌 丁酉 戊申 己未 庚午 辛巳 壬辰 癸卯
    //   source: the 天印贵人 table of the public almanac references; the other tradition, the 禄 of the
    //   stem's 正印 (甲子 乙亥 丙卯 …), is not followed
    branch_row(111, 甲, 寅), branch_row(111, 乙, 亥), branch_row(111, 丙, 戌), branch_row(111, 丁, 酉), branch_row(111, 戊, 申),
    branch_row(111, 己, 未), branch_row(111, 庚, 午), branch_row(111, 辛, 巳), branch_row(111, 壬, 辰), branch_row(111, 癸, 卯),
    // 112 天福: the 禄 of the stem's 正官 (甲爱金鸡乙爱猴 …)
    //   source: the 天福贵人 verse 甲爱金鸡乙爱猴 of 《三命通会》: the 禄 of the 正官
    branch_row(112, 甲, 酉), branch_row(112, 乙, 申), branch_row(112, 丙, 子), branch_row(112, 丁, 亥), branch_row(112, 戊, 卯),
    branch_row(112, 己, 寅), branch_row(112, 庚, 午), branch_row(112, 辛, 巳), branch_row(112, 壬, 午), branch_row(112, 癸, 巳),
    // 113 天官: 甲见未, 乙见辰, 丙见巳, 丁见酉, 戊见戌, 己见卯, 庚见亥, 辛见申, 壬见寅, 癸见午
    //   source: the 天官贵人 table of 《三命通会》
    branch_row(113, 甲, 未), branch_row(113, 乙, 辰), branch_row(113, 丙, 巳), branch_row(113, 丁, 酉), branch_row(113, 戊, 戌),
    branch_row(113, 己, 卯), branch_row(113, 庚, 亥), branch_row(113, 辛, 申), branch_row(113, 壬, 寅), branch_row(113, 癸, 午),
    // 114 岁德 of the year stem, met on a stem
    stem_row(114, 甲, 甲), stem_row(114, 乙, 庚), stem_row(114, 丙, 丙), stem_row(114, 丁, 壬), stem_row(114, 戊, 甲),
    stem_row(114, 己, 甲), stem_row(114, 庚, 庚), stem_row(114, 辛, 丙), stem_row(114, 壬, 壬), stem_row(114, 癸, 戊),
    // 115 岁德合: the stem that combines with the 岁德 (阳年 its own 合, 阴年 itself)
    //   source: the 岁德合 of 《协纪辨方书》 (甲年在己, 乙年在乙 …)
    stem_row(115, 甲, 己), stem_row(115, 乙, 乙), stem_row(115, 丙, 辛), stem_row(115, 丁, 丁), stem_row(115, 戊, 癸),
    stem_row(115, 己, 己), stem_row(115, 庚, 乙), stem_row(115, 辛, 辛), stem_row(115, 壬, 丁), stem_row(115, 癸, 癸),
    // 116 岁干合: the stem that combines with the year stem (甲己, 乙庚, 丙辛, 丁壬, 戊癸)
    //   source: the five stem combinations 甲己 乙庚 丙辛 丁壬 戊癸
    stem_row(116, 甲, 己), stem_row(116, 乙, 庚), stem_row(116, 丙, 辛), stem_row(116, 丁, 壬), stem_row(116, 戊, 癸),
    stem_row(116, 己, 甲), stem_row(116, 庚, 乙), stem_row(116, 辛, 丙), stem_row(116, 壬, 丁), stem_row(116, 癸, 戊),
    // 117 真阳贵: the day-hour 贵人 branch with the stem the year leads there (五虎遁)
    //   reconstructed: the day-hour 贵人 branch of 101 with the stem 五虎遁 leads there
    pillar_row(117, 甲, 辛未), pillar_row(117, 乙, 甲申), pillar_row(117, 丙, 丁酉), pillar_row(117, 丁, 辛亥), pillar_row(117, 戊, 乙丑),
    pillar_row(117, 己, 丙子), pillar_row(117, 庚, 己丑), pillar_row(117, 辛, 庚寅), pillar_row(117, 壬, 癸卯), pillar_row(117, 癸, 丁巳),
    // 118 真阴贵: the night-hour 贵人 branch with its 五虎遁 stem
    //   reconstructed: the night-hour 贵人 branch of 102 with the stem 五虎遁 leads there
    pillar_row(118, 甲, 丁丑), pillar_row(118, 乙, 戊子), pillar_row(118, 丙, 己亥), pillar_row(118, 丁, 己酉), pillar_row(118, 戊, 己未),
    pillar_row(118, 己, 壬申), pillar_row(118, 庚, 癸未), pillar_row(118, 辛, 甲午), pillar_row(118, 壬, 乙巳), pillar_row(118, 癸, 乙卯),
    // 119 真命禄: the 禄 branch with its 五虎遁 stem (甲禄到寅, 遁得丙寅)
    //   reconstructed: the 禄 branch of 105 with the stem 五虎遁 leads there
    pillar_row(119, 甲, 丙寅), pillar_row(119, 乙, 己卯), pillar_row(119, 丙, 癸巳), pillar_row(119, 丁, 丙午), pillar_row(119, 戊, 丁巳),
    pillar_row(119, 己, 庚午), pillar_row(119, 庚, 甲申), pillar_row(119, 辛, 丁酉), pillar_row(119, 壬, 辛亥), pillar_row(119, 癸, 甲子),
    // 120 武曲星: the 禄 of the stem's 七杀
    //   reconstructed: the 禄 of the stem's 七杀
    branch_row(120, 甲, 申), branch_row(120, 乙, 酉), branch_row(120, 丙, 亥), branch_row(120, 丁, 子), branch_row(120, 戊, 寅),
    branch_row(120, 己, 卯), branch_row(120, 庚, 巳), branch_row(120, 辛, 午), branch_row(120, 壬, 巳), branch_row(120, 癸, 午),
    // 121 金神七煞 on the day branch
    branch_row(121, 甲, 未), branch_row(121, 乙, 辰), branch_row(121, 乙, 巳), branch_row(121, 丙, 子), branch_row(121, 丙, 丑),
    branch_row(121, 丙, 寅), branch_row(121, 丙, 卯), branch_row(121, 丁, 戌), branch_row(121, 丁, 亥), branch_row(121, 戊, 申),
    branch_row(121, 戊, 酉), branch_row(121, 己, 午), branch_row(121, 己, 未), branch_row(121, 庚, 辰), branch_row(121, 庚, 巳),
    branch_row(121, 辛, 子), branch_row(121, 辛, 丑), branch_row(121, 辛, 寅), branch_row(121, 辛, 卯), branch_row(121, 壬, 戌),
    branch_row(121, 壬, 亥), branch_row(121, 癸, 申), branch_row(121, 癸, 酉),
    // 122 红艳煞: 多情多欲少人知, 六丙逢寅辛见鸡, 癸临申上丁见未, 甲乙午申庚见戌, 戊己怕辰壬怕子
    //   source: the 红艳 verse 多情多欲少人知
    branch_row(122, 甲, 午), branch_row(122, 乙, 申), branch_row(122, 丙, 寅), branch_row(122, 丁, 未), branch_row(122, 戊, 辰),
    branch_row(122, 己, 辰), branch_row(122, 庚, 戌), branch_row(122, 辛, 酉), branch_row(122, 壬, 子), branch_row(122, 癸, 申),
    // 123 流霞: 甲鸡乙犬丙羊加, 丁是猴乡戊见蛇, 己马庚龙辛逐兔, 壬猪癸虎是流霞
    //   source: the 流霞 verse 甲鸡乙犬丙羊加
    branch_row(123, 甲, 酉), branch_row(123, 乙, 戌), branch_row(123, 丙, 未), branch_row(123, 丁, 申), branch_row(123, 戊, 巳),
    branch_row(123, 己, 午), branch_row(123, 庚, 辰), branch_row(123, 辛, 卯), branch_row(123, 壬, 亥), branch_row(123, 癸, 寅),
    // 124 天扫星: the month pillar of the year (五虎遁) that carries the year stem's 七杀
    //   reconstructed: the month pillar (五虎遁) that carries the year stem's 七杀
    pillar_row(124, 甲, 庚午), pillar_row(124, 乙, 辛巳), pillar_row(124, 丙, 壬辰), pillar_row(124, 丁, 癸卯), pillar_row(124, 戊, 甲寅),
    pillar_row(124, 己, 乙亥), pillar_row(124, 庚, 丙戌), pillar_row(124, 辛, 丁酉), pillar_row(124, 壬, 戊申), pillar_row(124, 癸, 己未),
    // 125 节度贵人: the seal branch of the stem (甲戌, 乙亥, 丙丑, 丁寅, 戊丑, 己寅, 庚辰, 辛巳, 壬未, 癸申)
    //   reconstructed: no table of 节度贵人 is known; the rows of 456 国印贵人
    branch_row(125, 甲, 戌), branch_row(125, 乙, 亥), branch_row(125, 丙, 丑), branch_row(125, 丁, 寅), branch_row(125, 戊, 丑),
    branch_row(125, 己, 寅), branch_row(125, 庚, 辰), branch_row(125, 辛, 巳), branch_row(125, 壬, 未), branch_row(125, 癸, 申),
    // 126 金舆: two branches past the 禄 (甲龙乙蛇丙戊羊, 丁己猴歌庚犬方, 辛猪壬牛癸逢虎)
    //   source: the 金舆 verse 甲龙乙蛇丙戊羊
    branch_row(126, 甲, 辰), branch_row(126, 乙, 巳), branch_row(126, 丙, 未), branch_row(126, 丁, 申), branch_row(126, 戊, 未),
    branch_row(126, 己, 申), branch_row(126, 庚, 戌), branch_row(126, 辛, 亥), branch_row(126, 壬, 丑), branch_row(126, 癸, 寅),
    // 127 红鸾天印: for the yang stems, the 红鸾 of the 禄 branch (红鸾 = 卯 counted back by the branch)
    //   reconstructed: for the five yang stems, the 红鸾 (卯 counted back) of the 禄 branch
    branch_row(127, 甲, 丑), branch_row(127, 丙, 戌), branch_row(127, 戊, 戌), branch_row(127, 庚, 未), branch_row(127, 壬, 辰),
    // 128 福星贵人, as whole pillars: 甲丙相邀入虎乡, 更游鼠穴最高强, 戊猴己未丁宜亥, 乙癸逢牛卯禄昌, 庚赶马头辛到巳, 壬骑龙背喜非常
    //   source: the 福星贵人 verse 甲丙相邀入虎乡 … 乙癸逢牛卯禄昌; read whole it gives fourteen pillars
    //   (乙 and 癸 each 丑 and 卯). Thirteen rows leave out 癸丑: every other pillar stands in one of the
    //   two readings of 乙癸逢牛卯 (乙牛 癸卯 pair by pair, and 卯 as 乙's own 禄), 癸丑 only in the whole one
    pillar_row(128, 甲, 甲寅), pillar_row(128, 甲, 甲子), pillar_row(128, 乙, 乙丑), pillar_row(128, 乙, 乙卯), pillar_row(128, 丙, 丙寅),
    pillar_row(128, 丙, 丙子), pillar_row(128, 丁, 丁亥), pillar_row(128, 戊, 戊申), pillar_row(128, 己, 己未), pillar_row(128, 庚, 庚午),
    pillar_row(128, 辛, 辛巳), pillar_row(128, 壬, 壬辰), pillar_row(128, 癸, 癸卯),
    // 129 天马: the 羊刃 (禄前一位) of the Life Palace's stem, the stem the year leads to the palace branch (五虎遁)
    branch_row(129, 宫(子, 甲), 午), branch_row(129, 宫(子, 乙), 午), branch_row(129, 宫(子, 丙), 酉), branch_row(129, 宫(子, 丁), 子), branch_row(129, 宫(子, 戊), 卯),
    branch_row(129, 宫(子, 己), 午), branch_row(129, 宫(子, 庚), 午), branch_row(129, 宫(子, 辛), 酉), branch_row(129, 宫(子, 壬), 子), branch_row(129, 宫(子, 癸), 卯),
    branch_row(129, 宫(丑, 甲), 未), branch_row(129, 宫(丑, 乙), 未), branch_row(129, 宫(丑, 丙), 戌), branch_row(129, 宫(丑, 丁), 丑), branch_row(129, 宫(丑, 戊), 辰),
    branch_row(129, 宫(丑, 己), 未), branch_row(129, 宫(丑, 庚), 未), branch_row(129, 宫(丑, 辛), 戌), branch_row(129, 宫(丑, 壬), 丑), branch_row(129, 宫(丑, 癸), 辰),
    branch_row(129, 宫(寅, 甲), 午), branch_row(129, 宫(寅, 乙), 午), branch_row(129, 宫(寅, 丙), 酉), branch_row(129, 宫(寅, 丁), 子), branch_row(129, 宫(寅, 戊), 卯),
    branch_row(129, 宫(寅, 己), 午), branch_row(129, 宫(寅, 庚), 午), branch_row(129, 宫(寅, 辛), 酉), branch_row(129, 宫(寅, 壬), 子), branch_row(129, 宫(寅, 癸), 卯),
    branch_row(129, 宫(卯, 甲), 未), branch_row(129, 宫(卯, 乙), 未), branch_row(129, 宫(卯, 丙), 戌), branch_row(129, 宫(卯, 丁), 丑), branch_row(129, 宫(卯, 戊), 辰),
    branch_row(129, 宫(卯, 己), 未), branch_row(129, 宫(卯, 庚), 未), branch_row(129, 宫(卯, 辛), 戌), branch_row(129, 宫(卯, 壬), 丑), branch_row(129, 宫(卯, 癸), 辰),
    branch_row(129, 宫(辰, 甲), 午), branch_row(129, 宫(辰, 乙), 酉), branch_row(129, 宫(辰, 丙), 子), branch_row(129, 宫(辰, 丁), 卯), branch_row(129, 宫(辰, 戊), 午),
    branch_row(129, 宫(辰, 己), 午), branch_row(129, 宫(辰, 庚), 酉), branch_row(129, 宫(辰, 辛), 子), branch_row(129, 宫(辰, 壬), 卯), branch_row(129, 宫(辰, 癸), 午),
    branch_row(129, 宫(巳, 甲), 未), branch_row(129, 宫(巳, 乙), 戌), branch_row(129, 宫(巳, 丙), 丑), branch_row(129, 宫(巳, 丁), 辰), branch_row(129, 宫(巳, 戊), 未),
    branch_row(129, 宫(巳, 己), 未), branch_row(129, 宫(巳, 庚), 戌), branch_row(129, 宫(巳, 辛), 丑), branch_row(129, 宫(巳, 壬), 辰), branch_row(129, 宫(巳, 癸), 未),
    branch_row(129, 宫(午, 甲), 酉), branch_row(129, 宫(午, 乙), 子), branch_row(129, 宫(午, 丙), 卯), branch_row(129, 宫(午, 丁), 午), branch_row(129, 宫(午, 戊), 午),
    branch_row(129, 宫(午, 己), 酉), branch_row(129, 宫(午, 庚), 子), branch_row(129, 宫(午, 辛), 卯), branch_row(129, 宫(午, 壬), 午), branch_row(129, 宫(午, 癸), 午),
    branch_row(129, 宫(未, 甲), 戌), branch_row(129, 宫(未, 乙), 丑), branch_row(129, 宫(未, 丙), 辰), branch_row(129, 宫(未, 丁), 未), branch_row(129, 宫(未, 戊), 未),
    branch_row(129, 宫(未, 己), 戌), branch_row(129, 宫(未, 庚), 丑), branch_row(129, 宫(未, 辛), 辰), branch_row(129, 宫(未, 壬), 未), branch_row(129, 宫(未, 癸), 未),
    branch_row(129, 宫(申, 甲), 子), branch_row(129, 宫(申, 乙), 卯), branch_row(129, 宫(申, 丙), 午), branch_row(129, 宫(申, 丁), 午), branch_row(129, 宫(申, 戊), 酉),
    branch_row(129, 宫(申, 己), 子), branch_row(129, 宫(申, 庚), 卯), branch_row(129, 宫(申, 辛), 午), branch_row(129, 宫(申, 壬), 午), branch_row(129, 宫(申, 癸), 酉),
    branch_row(129, 宫(酉, 甲), 丑), branch_row(129, 宫(酉, 乙), 辰), branch_row(129, 宫(酉, 丙), 未), branch_row(129, 宫(酉, 丁), 未), branch_row(129, 宫(酉, 戊), 戌),
    branch_row(129, 宫(酉, 己), 丑), branch_row(129, 宫(酉, 庚), 辰), branch_row(129, 宫(酉, 辛), 未), branch_row(129, 宫(酉, 壬), 未), branch_row(129, 宫(酉, 癸), 戌),
    branch_row(129, 宫(戌, 甲), 卯), branch_row(129, 宫(戌, 乙), 午), branch_row(129, 宫(戌, 丙), 午), branch_row(129, 宫(戌, 丁), 酉), branch_row(129, 宫(戌, 戊), 子),
    branch_row(129, 宫(戌, 己), 卯), branch_row(129, 宫(戌, 庚), 午), branch_row(129, 宫(戌, 辛), 午), branch_row(129, 宫(戌, 壬), 酉), branch_row(129, 宫(戌, 癸), 子),
    branch_row(129, 宫(亥, 甲), 辰), branch_row(129, 宫(亥, 乙), 未), branch_row(129, 宫(亥, 丙), 未), branch_row(129, 宫(亥, 丁), 戌), branch_row(129, 宫(亥, 戊), 丑),
    branch_row(129, 宫(亥, 己), 辰), branch_row(129, 宫(亥, 庚), 未), branch_row(129, 宫(亥, 辛), 未), branch_row(129, 宫(亥, 壬), 戌), branch_row(129, 宫(亥, 癸), 丑),
    // 130 阳星: the branch that clashes the 羊刃 (飞刃)
    //   reconstructed: the branch that clashes the 羊刃 (飞刃)
    branch_row(130, 甲, 酉), branch_row(130, 乙, 戌), branch_row(130, 丙, 子), branch_row(130, 丁, 丑), branch_row(130, 戊, 子),
    branch_row(130, 己, 丑), branch_row(130, 庚, 卯), branch_row(130, 辛, 辰), branch_row(130, 壬, 午), branch_row(130, 癸, 未),
    // 131 阳山: the 禄 and the 羊刃 of the stem's 七杀
    //   reconstructed: the 禄 and the 羊刃 of the stem's 七杀
    branch_row(131, 甲, 申), branch_row(131, 甲, 酉), branch_row(131, 乙, 酉), branch_row(131, 乙, 戌), branch_row(131, 丙, 亥),
    branch_row(131, 丙, 子), branch_row(131, 丁, 子), branch_row(131, 丁, 丑), branch_row(131, 戊, 寅), branch_row(131, 戊, 卯),
    branch_row(131, 己, 卯), branch_row(131, 己, 辰), branch_row(131, 庚, 巳), branch_row(131, 庚, 午), branch_row(131, 辛, 午),
    branch_row(131, 辛, 未), branch_row(131, 壬, 巳), branch_row(131, 壬, 午), branch_row(131, 癸, 午), branch_row(131, 癸, 未),
}};

}  // namespace orvane
