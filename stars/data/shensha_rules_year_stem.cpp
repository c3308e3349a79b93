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
    branchRow(101, 甲, 未), branchRow(101, 乙, 申), branchRow(101, 丙, 酉), branchRow(101, 丁, 亥), branchRow(101, 戊, 丑),
    branchRow(101, 己, 子), branchRow(101, 庚, 丑), branchRow(101, 辛, 寅), branchRow(101, 壬, 卯), branchRow(101, 癸, 巳),
    // 102 玉堂: the night-hour 贵人 branch (甲戊庚牛羊 read by night)
    //   source: 《三命通会·论天乙贵人》, the night reading (阴贵) of 甲戊庚牛羊
    branchRow(102, 甲, 丑), branchRow(102, 乙, 子), branchRow(102, 丙, 亥), branchRow(102, 丁, 酉), branchRow(102, 戊, 未),
    branchRow(102, 己, 申), branchRow(102, 庚, 未), branchRow(102, 辛, 午), branchRow(102, 壬, 巳), branchRow(102, 癸, 卯),
    // 103 文昌: the 临官 of the stem's 食神 (甲乙巳午报君知, 丙戊申宫丁己鸡, 庚猪辛鼠壬逢虎, 癸人见卯入云梯)
    //   source: the 文昌 verse 甲乙巳午报君知 of 《三命通会》
    branchRow(103, 甲, 巳), branchRow(103, 乙, 午), branchRow(103, 丙, 申), branchRow(103, 丁, 酉), branchRow(103, 戊, 申),
    branchRow(103, 己, 酉), branchRow(103, 庚, 亥), branchRow(103, 辛, 子), branchRow(103, 壬, 寅), branchRow(103, 癸, 卯),
    // 104 真文昌: the 文昌 branch with the stem the year leads there (五虎遁)
    pillarRow(104, 甲, 己巳), pillarRow(104, 乙, 壬午), pillarRow(104, 丙, 丙申), pillarRow(104, 丁, 己酉), pillarRow(104, 戊, 庚申),
    pillarRow(104, 己, 癸酉), pillarRow(104, 庚, 丁亥), pillarRow(104, 辛, 庚子), pillarRow(104, 壬, 壬寅), pillarRow(104, 癸, 乙卯),
    // 105 元禄神: the stem's 禄 (临官)
    //   source: the 十干禄 (甲禄在寅 …) of 《三命通会·论十干禄》
    branchRow(105, 甲, 寅), branchRow(105, 乙, 卯), branchRow(105, 丙, 巳), branchRow(105, 丁, 午), branchRow(105, 戊, 巳),
    branchRow(105, 己, 午), branchRow(105, 庚, 申), branchRow(105, 辛, 酉), branchRow(105, 壬, 亥), branchRow(105, 癸, 子),
    // 106 元星: the stem's 长生, yang forward and yin backward
    //   reconstructed: no table of 元星 is known; the stem's 长生, as 448 十干学馆
    branchRow(106, 甲, 亥), branchRow(106, 乙, 午), branchRow(106, 丙, 寅), branchRow(106, 丁, 酉), branchRow(106, 戊, 寅),
    branchRow(106, 己, 酉), branchRow(106, 庚, 巳), branchRow(106, 辛, 子), branchRow(106, 壬, 申), branchRow(106, 癸, 卯),
    // 107 天厨: the 禄 of the stem's 食神 (甲丙巳, 乙丁午, 丙戊巳, 丁己午, 戊庚申 …)
    //   source: the 天厨贵人 table (甲丙巳, 乙丁午, 戊申, 己酉, 庚亥, 辛子, 壬寅, 癸卯): the 禄 of the 食神
    branchRow(107, 甲, 巳), branchRow(107, 乙, 午), branchRow(107, 丙, 巳), branchRow(107, 丁, 午), branchRow(107, 戊, 申),
    branchRow(107, 己, 酉), branchRow(107, 庚, 亥), branchRow(107, 辛, 子), branchRow(107, 壬, 寅), branchRow(107, 癸, 卯),
    // 108 太极贵人: 甲乙子午, 丙丁卯酉, 戊己辰戌丑未, 庚辛寅亥, 壬癸巳申
    branchRow(108, 甲, 子), branchRow(108, 甲, 午), branchRow(108, 乙, 子), branchRow(108, 乙, 午), branchRow(108, 丙, 卯),
    branchRow(108, 丙, 酉), branchRow(108, 丁, 卯), branchRow(108, 丁, 酉), branchRow(108, 戊, 辰), branchRow(108, 戊, 戌),
    branchRow(108, 戊, 丑), branchRow(108, 戊, 未), branchRow(108, 己, 辰), branchRow(108, 己, 戌), branchRow(108, 己, 丑),
    branchRow(108, 己, 未), branchRow(108, 庚, 寅), branchRow(108, 庚, 亥), branchRow(108, 辛, 寅), branchRow(108, 辛, 亥),
    branchRow(108, 壬, 申), branchRow(108, 壬, 巳), branchRow(108, 癸, 申), branchRow(108, 癸, 巳),
    // 109 文昌贵: the 文昌 branch, 食神临官
    //   source: the 文昌 verse, as 103: 文昌 and 文昌贵 are one star under two names
    branchRow(109, 甲, 巳), branchRow(109, 乙, 午), branchRow(109, 丙, 申), branchRow(109, 丁, 酉), branchRow(109, 戊, 申),
    branchRow(109, 己, 酉), branchRow(109, 庚, 亥), branchRow(109, 辛, 子), branchRow(109, 壬, 寅), branchRow(109, 癸, 卯),
    // 110 文星贵: the 文星, read like 文昌 as the 食神's 临官
    //   reconstructed: the literature gives 文星 no table of its own (the 文昌 verse is quoted under both names), so the rows are those of 103 文昌
    branchRow(110, 甲, 巳), branchRow(110, 乙, 午), branchRow(110, 丙, 申), branchRow(110, 丁, 酉), branchRow(110, 戊, 申),
    branchRow(110, 己, 酉), branchRow(110, 庚, 亥), branchRow(110, 辛, 子), branchRow(110, 壬, 寅), branchRow(110, 癸, 卯),
    // 111 天印贵: 甲寅 乙亥 丙戌 丁酉 戊申 己未 庚午 辛巳 壬辰 癸卯
    //   source: the 天印贵人 table of the public almanac references; the other tradition, the 禄 of the
    //   stem's 正印 (甲子 乙亥 丙卯 …), is not followed
    branchRow(111, 甲, 寅), branchRow(111, 乙, 亥), branchRow(111, 丙, 戌), branchRow(111, 丁, 酉), branchRow(111, 戊, 申),
    branchRow(111, 己, 未), branchRow(111, 庚, 午), branchRow(111, 辛, 巳), branchRow(111, 壬, 辰), branchRow(111, 癸, 卯),
    // 112 天福: the 禄 of the stem's 正官 (甲爱金鸡乙爱猴 …)
    //   source: the 天福贵人 verse 甲爱金鸡乙爱猴 of 《三命通会》: the 禄 of the 正官
    branchRow(112, 甲, 酉), branchRow(112, 乙, 申), branchRow(112, 丙, 子), branchRow(112, 丁, 亥), branchRow(112, 戊, 卯),
    branchRow(112, 己, 寅), branchRow(112, 庚, 午), branchRow(112, 辛, 巳), branchRow(112, 壬, 午), branchRow(112, 癸, 巳),
    // 113 天官: 甲见未, 乙见辰, 丙见巳, 丁见酉, 戊见戌, 己见卯, 庚见亥, 辛见申, 壬见寅, 癸见午
    //   source: the 天官贵人 table of 《三命通会》
    branchRow(113, 甲, 未), branchRow(113, 乙, 辰), branchRow(113, 丙, 巳), branchRow(113, 丁, 酉), branchRow(113, 戊, 戌),
    branchRow(113, 己, 卯), branchRow(113, 庚, 亥), branchRow(113, 辛, 申), branchRow(113, 壬, 寅), branchRow(113, 癸, 午),
    // 114 岁德 of the year stem, met on a stem
    stemRow(114, 甲, 甲), stemRow(114, 乙, 庚), stemRow(114, 丙, 丙), stemRow(114, 丁, 壬), stemRow(114, 戊, 甲),
    stemRow(114, 己, 甲), stemRow(114, 庚, 庚), stemRow(114, 辛, 丙), stemRow(114, 壬, 壬), stemRow(114, 癸, 戊),
    // 115 岁德合: the stem that combines with the 岁德 (阳年 its own 合, 阴年 itself)
    //   source: the 岁德合 of 《协纪辨方书》 (甲年在己, 乙年在乙 …)
    stemRow(115, 甲, 己), stemRow(115, 乙, 乙), stemRow(115, 丙, 辛), stemRow(115, 丁, 丁), stemRow(115, 戊, 癸),
    stemRow(115, 己, 己), stemRow(115, 庚, 乙), stemRow(115, 辛, 辛), stemRow(115, 壬, 丁), stemRow(115, 癸, 癸),
    // 116 岁干合: the stem that combines with the year stem (甲己, 乙庚, 丙辛, 丁壬, 戊癸)
    //   source: the five stem combinations 甲己 乙庚 丙辛 丁壬 戊癸
    stemRow(116, 甲, 己), stemRow(116, 乙, 庚), stemRow(116, 丙, 辛), stemRow(116, 丁, 壬), stemRow(116, 戊, 癸),
    stemRow(116, 己, 甲), stemRow(116, 庚, 乙), stemRow(116, 辛, 丙), stemRow(116, 壬, 丁), stemRow(116, 癸, 戊),
    // 117 真阳贵: the day-hour 贵人 branch with the stem the year leads there (五虎遁)
    //   reconstructed: the day-hour 贵人 branch of 101 with the stem 五虎遁 leads there
    pillarRow(117, 甲, 辛未), pillarRow(117, 乙, 甲申), pillarRow(117, 丙, 丁酉), pillarRow(117, 丁, 辛亥), pillarRow(117, 戊, 乙丑),
    pillarRow(117, 己, 丙子), pillarRow(117, 庚, 己丑), pillarRow(117, 辛, 庚寅), pillarRow(117, 壬, 癸卯), pillarRow(117, 癸, 丁巳),
    // 118 真阴贵: the night-hour 贵人 branch with its 五虎遁 stem
    //   reconstructed: the night-hour 贵人 branch of 102 with the stem 五虎遁 leads there
    pillarRow(118, 甲, 丁丑), pillarRow(118, 乙, 戊子), pillarRow(118, 丙, 己亥), pillarRow(118, 丁, 己酉), pillarRow(118, 戊, 己未),
    pillarRow(118, 己, 壬申), pillarRow(118, 庚, 癸未), pillarRow(118, 辛, 甲午), pillarRow(118, 壬, 乙巳), pillarRow(118, 癸, 乙卯),
    // 119 真命禄: the 禄 branch with its 五虎遁 stem (甲禄到寅, 遁得丙寅)
    //   reconstructed: the 禄 branch of 105 with the stem 五虎遁 leads there
    pillarRow(119, 甲, 丙寅), pillarRow(119, 乙, 己卯), pillarRow(119, 丙, 癸巳), pillarRow(119, 丁, 丙午), pillarRow(119, 戊, 丁巳),
    pillarRow(119, 己, 庚午), pillarRow(119, 庚, 甲申), pillarRow(119, 辛, 丁酉), pillarRow(119, 壬, 辛亥), pillarRow(119, 癸, 甲子),
    // 120 武曲星: the 禄 of the stem's 七杀
    //   reconstructed: the 禄 of the stem's 七杀
    branchRow(120, 甲, 申), branchRow(120, 乙, 酉), branchRow(120, 丙, 亥), branchRow(120, 丁, 子), branchRow(120, 戊, 寅),
    branchRow(120, 己, 卯), branchRow(120, 庚, 巳), branchRow(120, 辛, 午), branchRow(120, 壬, 巳), branchRow(120, 癸, 午),
    // 121 金神七煞 on the day branch
    branchRow(121, 甲, 未), branchRow(121, 乙, 辰), branchRow(121, 乙, 巳), branchRow(121, 丙, 子), branchRow(121, 丙, 丑),
    branchRow(121, 丙, 寅), branchRow(121, 丙, 卯), branchRow(121, 丁, 戌), branchRow(121, 丁, 亥), branchRow(121, 戊, 申),
    branchRow(121, 戊, 酉), branchRow(121, 己, 午), branchRow(121, 己, 未), branchRow(121, 庚, 辰), branchRow(121, 庚, 巳),
    branchRow(121, 辛, 子), branchRow(121, 辛, 丑), branchRow(121, 辛, 寅), branchRow(121, 辛, 卯), branchRow(121, 壬, 戌),
    branchRow(121, 壬, 亥), branchRow(121, 癸, 申), branchRow(121, 癸, 酉),
    // 122 红艳煞: 多情多欲少人知, 六丙逢寅辛见鸡, 癸临申上丁见未, 甲乙午申庚见戌, 戊己怕辰壬怕子
    //   source: the 红艳 verse 多情多欲少人知
    branchRow(122, 甲, 午), branchRow(122, 乙, 申), branchRow(122, 丙, 寅), branchRow(122, 丁, 未), branchRow(122, 戊, 辰),
    branchRow(122, 己, 辰), branchRow(122, 庚, 戌), branchRow(122, 辛, 酉), branchRow(122, 壬, 子), branchRow(122, 癸, 申),
    // 123 流霞: 甲鸡乙犬丙羊加, 丁是猴乡戊见蛇, 己马庚龙辛逐兔, 壬猪癸虎是流霞
    //   source: the 流霞 verse 甲鸡乙犬丙羊加
    branchRow(123, 甲, 酉), branchRow(123, 乙, 戌), branchRow(123, 丙, 未), branchRow(123, 丁, 申), branchRow(123, 戊, 巳),
    branchRow(123, 己, 午), branchRow(123, 庚, 辰), branchRow(123, 辛, 卯), branchRow(123, 壬, 亥), branchRow(123, 癸, 寅),
    // 124 天扫星: the month pillar of the year (五虎遁) that carries the year stem's 七杀
    //   reconstructed: the month pillar (五虎遁) that carries the year stem's 七杀
    pillarRow(124, 甲, 庚午), pillarRow(124, 乙, 辛巳), pillarRow(124, 丙, 壬辰), pillarRow(124, 丁, 癸卯), pillarRow(124, 戊, 甲寅),
    pillarRow(124, 己, 乙亥), pillarRow(124, 庚, 丙戌), pillarRow(124, 辛, 丁酉), pillarRow(124, 壬, 戊申), pillarRow(124, 癸, 己未),
    // 125 节度贵人: the seal branch of the stem (甲戌, 乙亥, 丙丑, 丁寅, 戊丑, 己寅, 庚辰, 辛巳, 壬未, 癸申)
    //   reconstructed: no table of 节度贵人 is known; the rows of 456 国印贵人
    branchRow(125, 甲, 戌), branchRow(125, 乙, 亥), branchRow(125, 丙, 丑), branchRow(125, 丁, 寅), branchRow(125, 戊, 丑),
    branchRow(125, 己, 寅), branchRow(125, 庚, 辰), branchRow(125, 辛, 巳), branchRow(125, 壬, 未), branchRow(125, 癸, 申),
    // 126 金舆: two branches past the 禄 (甲龙乙蛇丙戊羊, 丁己猴歌庚犬方, 辛猪壬牛癸逢虎)
    //   source: the 金舆 verse 甲龙乙蛇丙戊羊
    branchRow(126, 甲, 辰), branchRow(126, 乙, 巳), branchRow(126, 丙, 未), branchRow(126, 丁, 申), branchRow(126, 戊, 未),
    branchRow(126, 己, 申), branchRow(126, 庚, 戌), branchRow(126, 辛, 亥), branchRow(126, 壬, 丑), branchRow(126, 癸, 寅),
    // 127 红鸾天印: for the yang stems, the 红鸾 of the 禄 branch (红鸾 = 卯 counted back by the branch)
    //   reconstructed: for the five yang stems, the 红鸾 (卯 counted back) of the 禄 branch
    branchRow(127, 甲, 丑), branchRow(127, 丙, 戌), branchRow(127, 戊, 戌), branchRow(127, 庚, 未), branchRow(127, 壬, 辰),
    // 128 福星贵人, as whole pillars: 甲丙相邀入虎乡, 更游鼠穴最高强, 戊猴己未丁宜亥, 乙癸逢牛卯禄昌, 庚赶马头辛到巳, 壬骑龙背喜非常
    //   source: the 福星贵人 verse 甲丙相邀入虎乡 … 乙癸逢牛卯禄昌; read whole it gives fourteen pillars
    //   (乙 and 癸 each 丑 and 卯). Thirteen rows leave out 癸丑: every other pillar stands in one of the
    //   two readings of 乙癸逢牛卯 (乙牛 癸卯 pair by pair, and 卯 as 乙's own 禄), 癸丑 only in the whole one
    pillarRow(128, 甲, 甲寅), pillarRow(128, 甲, 甲子), pillarRow(128, 乙, 乙丑), pillarRow(128, 乙, 乙卯), pillarRow(128, 丙, 丙寅),
    pillarRow(128, 丙, 丙子), pillarRow(128, 丁, 丁亥), pillarRow(128, 戊, 戊申), pillarRow(128, 己, 己未), pillarRow(128, 庚, 庚午),
    pillarRow(128, 辛, 辛巳), pillarRow(128, 壬, 壬辰), pillarRow(128, 癸, 癸卯),
    // 129 天马: the 羊刃 (禄前一位) of the Life Palace's stem, the stem the year leads to the palace branch (五虎遁)
    branchRow(129, 宫(子, 甲), 午), branchRow(129, 宫(子, 乙), 午), branchRow(129, 宫(子, 丙), 酉), branchRow(129, 宫(子, 丁), 子), branchRow(129, 宫(子, 戊), 卯),
    branchRow(129, 宫(子, 己), 午), branchRow(129, 宫(子, 庚), 午), branchRow(129, 宫(子, 辛), 酉), branchRow(129, 宫(子, 壬), 子), branchRow(129, 宫(子, 癸), 卯),
    branchRow(129, 宫(丑, 甲), 未), branchRow(129, 宫(丑, 乙), 未), branchRow(129, 宫(丑, 丙), 戌), branchRow(129, 宫(丑, 丁), 丑), branchRow(129, 宫(丑, 戊), 辰),
    branchRow(129, 宫(丑, 己), 未), branchRow(129, 宫(丑, 庚), 未), branchRow(129, 宫(丑, 辛), 戌), branchRow(129, 宫(丑, 壬), 丑), branchRow(129, 宫(丑, 癸), 辰),
    branchRow(129, 宫(寅, 甲), 午), branchRow(129, 宫(寅, 乙), 午), branchRow(129, 宫(寅, 丙), 酉), branchRow(129, 宫(寅, 丁), 子), branchRow(129, 宫(寅, 戊), 卯),
    branchRow(129, 宫(寅, 己), 午), branchRow(129, 宫(寅, 庚), 午), branchRow(129, 宫(寅, 辛), 酉), branchRow(129, 宫(寅, 壬), 子), branchRow(129, 宫(寅, 癸), 卯),
    branchRow(129, 宫(卯, 甲), 未), branchRow(129, 宫(卯, 乙), 未), branchRow(129, 宫(卯, 丙), 戌), branchRow(129, 宫(卯, 丁), 丑), branchRow(129, 宫(卯, 戊), 辰),
    branchRow(129, 宫(卯, 己), 未), branchRow(129, 宫(卯, 庚), 未), branchRow(129, 宫(卯, 辛), 戌), branchRow(129, 宫(卯, 壬), 丑), branchRow(129, 宫(卯, 癸), 辰),
    branchRow(129, 宫(辰, 甲), 午), branchRow(129, 宫(辰, 乙), 酉), branchRow(129, 宫(辰, 丙), 子), branchRow(129, 宫(辰, 丁), 卯), branchRow(129, 宫(辰, 戊), 午),
    branchRow(129, 宫(辰, 己), 午), branchRow(129, 宫(辰, 庚), 酉), branchRow(129, 宫(辰, 辛), 子), branchRow(129, 宫(辰, 壬), 卯), branchRow(129, 宫(辰, 癸), 午),
    branchRow(129, 宫(巳, 甲), 未), branchRow(129, 宫(巳, 乙), 戌), branchRow(129, 宫(巳, 丙), 丑), branchRow(129, 宫(巳, 丁), 辰), branchRow(129, 宫(巳, 戊), 未),
    branchRow(129, 宫(巳, 己), 未), branchRow(129, 宫(巳, 庚), 戌), branchRow(129, 宫(巳, 辛), 丑), branchRow(129, 宫(巳, 壬), 辰), branchRow(129, 宫(巳, 癸), 未),
    branchRow(129, 宫(午, 甲), 酉), branchRow(129, 宫(午, 乙), 子), branchRow(129, 宫(午, 丙), 卯), branchRow(129, 宫(午, 丁), 午), branchRow(129, 宫(午, 戊), 午),
    branchRow(129, 宫(午, 己), 酉), branchRow(129, 宫(午, 庚), 子), branchRow(129, 宫(午, 辛), 卯), branchRow(129, 宫(午, 壬), 午), branchRow(129, 宫(午, 癸), 午),
    branchRow(129, 宫(未, 甲), 戌), branchRow(129, 宫(未, 乙), 丑), branchRow(129, 宫(未, 丙), 辰), branchRow(129, 宫(未, 丁), 未), branchRow(129, 宫(未, 戊), 未),
    branchRow(129, 宫(未, 己), 戌), branchRow(129, 宫(未, 庚), 丑), branchRow(129, 宫(未, 辛), 辰), branchRow(129, 宫(未, 壬), 未), branchRow(129, 宫(未, 癸), 未),
    branchRow(129, 宫(申, 甲), 子), branchRow(129, 宫(申, 乙), 卯), branchRow(129, 宫(申, 丙), 午), branchRow(129, 宫(申, 丁), 午), branchRow(129, 宫(申, 戊), 酉),
    branchRow(129, 宫(申, 己), 子), branchRow(129, 宫(申, 庚), 卯), branchRow(129, 宫(申, 辛), 午), branchRow(129, 宫(申, 壬), 午), branchRow(129, 宫(申, 癸), 酉),
    branchRow(129, 宫(酉, 甲), 丑), branchRow(129, 宫(酉, 乙), 辰), branchRow(129, 宫(酉, 丙), 未), branchRow(129, 宫(酉, 丁), 未), branchRow(129, 宫(酉, 戊), 戌),
    branchRow(129, 宫(酉, 己), 丑), branchRow(129, 宫(酉, 庚), 辰), branchRow(129, 宫(酉, 辛), 未), branchRow(129, 宫(酉, 壬), 未), branchRow(129, 宫(酉, 癸), 戌),
    branchRow(129, 宫(戌, 甲), 卯), branchRow(129, 宫(戌, 乙), 午), branchRow(129, 宫(戌, 丙), 午), branchRow(129, 宫(戌, 丁), 酉), branchRow(129, 宫(戌, 戊), 子),
    branchRow(129, 宫(戌, 己), 卯), branchRow(129, 宫(戌, 庚), 午), branchRow(129, 宫(戌, 辛), 午), branchRow(129, 宫(戌, 壬), 酉), branchRow(129, 宫(戌, 癸), 子),
    branchRow(129, 宫(亥, 甲), 辰), branchRow(129, 宫(亥, 乙), 未), branchRow(129, 宫(亥, 丙), 未), branchRow(129, 宫(亥, 丁), 戌), branchRow(129, 宫(亥, 戊), 丑),
    branchRow(129, 宫(亥, 己), 辰), branchRow(129, 宫(亥, 庚), 未), branchRow(129, 宫(亥, 辛), 未), branchRow(129, 宫(亥, 壬), 戌), branchRow(129, 宫(亥, 癸), 丑),
    // 130 阳星: the branch that clashes the 羊刃 (飞刃)
    //   reconstructed: the branch that clashes the 羊刃 (飞刃)
    branchRow(130, 甲, 酉), branchRow(130, 乙, 戌), branchRow(130, 丙, 子), branchRow(130, 丁, 丑), branchRow(130, 戊, 子),
    branchRow(130, 己, 丑), branchRow(130, 庚, 卯), branchRow(130, 辛, 辰), branchRow(130, 壬, 午), branchRow(130, 癸, 未),
    // 131 阳山: the 禄 and the 羊刃 of the stem's 七杀
    //   reconstructed: the 禄 and the 羊刃 of the stem's 七杀
    branchRow(131, 甲, 申), branchRow(131, 甲, 酉), branchRow(131, 乙, 酉), branchRow(131, 乙, 戌), branchRow(131, 丙, 亥),
    branchRow(131, 丙, 子), branchRow(131, 丁, 子), branchRow(131, 丁, 丑), branchRow(131, 戊, 寅), branchRow(131, 戊, 卯),
    branchRow(131, 己, 卯), branchRow(131, 己, 辰), branchRow(131, 庚, 巳), branchRow(131, 庚, 午), branchRow(131, 辛, 午),
    branchRow(131, 辛, 未), branchRow(131, 壬, 巳), branchRow(131, 壬, 午), branchRow(131, 癸, 午), branchRow(131, 癸, 未),
}};

}  // namespace orvane
