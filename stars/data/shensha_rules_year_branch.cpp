// 年支神煞 — rule rows of the special stars keyed by the year branch (201..256).
// Rows are in StarId order, the rows of one star together; a star with a rule of its own
// and no rows is named in a comment only.
// Under each star's opening comment a line says where its rows come from: "source:" and the
// book or table they follow, or "reconstructed:" and the rule used where no table under the
// star's name is known to us. Stars whose rows the program's definition writes out need neither.
#include "stars/shensha_tables.h"

namespace orvane {

using namespace shensha_notation;

const std::array<ShenShaRuleRow, 564> YearBranchStarRules = {{
    // 201 驿马: 申子辰马在寅, 寅午戌马在申, 巳酉丑马在亥, 亥卯未马在巳
    //   source: 《三命通会·论驿马》
    branchRow(201, 子, 寅), branchRow(201, 丑, 亥), branchRow(201, 寅, 申), branchRow(201, 卯, 巳), branchRow(201, 辰, 寅),
    branchRow(201, 巳, 亥), branchRow(201, 午, 申), branchRow(201, 未, 巳), branchRow(201, 申, 寅), branchRow(201, 酉, 亥),
    branchRow(201, 戌, 申), branchRow(201, 亥, 巳),
    // 202 攀鞍: the branch after the 将星 (申子辰丑, 寅午戌未, 巳酉丑辰, 亥卯未戌)
    //   source: the twelve 三合 stars (劫煞 灾煞 … 将星 攀鞍 驿马 六害 华盖) of 《三命通会》
    branchRow(202, 子, 丑), branchRow(202, 丑, 辰), branchRow(202, 寅, 未), branchRow(202, 卯, 戌), branchRow(202, 辰, 丑),
    branchRow(202, 巳, 辰), branchRow(202, 午, 未), branchRow(202, 未, 戌), branchRow(202, 申, 丑), branchRow(202, 酉, 辰),
    branchRow(202, 戌, 未), branchRow(202, 亥, 戌),
    // 203 亡神: 申子辰亥, 寅午戌巳, 巳酉丑申, 亥卯未寅
    //   source: 《三命通会·论亡神劫煞》
    branchRow(203, 子, 亥), branchRow(203, 丑, 申), branchRow(203, 寅, 巳), branchRow(203, 卯, 寅), branchRow(203, 辰, 亥),
    branchRow(203, 巳, 申), branchRow(203, 午, 巳), branchRow(203, 未, 寅), branchRow(203, 申, 亥), branchRow(203, 酉, 申),
    branchRow(203, 戌, 巳), branchRow(203, 亥, 寅),
    // 204 劫煞: 申子辰巳, 寅午戌亥, 巳酉丑寅, 亥卯未申
    //   source: 《三命通会·论亡神劫煞》
    branchRow(204, 子, 巳), branchRow(204, 丑, 寅), branchRow(204, 寅, 亥), branchRow(204, 卯, 申), branchRow(204, 辰, 巳),
    branchRow(204, 巳, 寅), branchRow(204, 午, 亥), branchRow(204, 未, 申), branchRow(204, 申, 巳), branchRow(204, 酉, 寅),
    branchRow(204, 戌, 亥), branchRow(204, 亥, 申),
    // 205 六厄: the branch after the 驿马 (申子辰卯, 寅午戌酉, 巳酉丑子, 亥卯未午)
    //   source: the twelve 三合 stars, 六害 (六厄) after the 驿马
    branchRow(205, 子, 卯), branchRow(205, 丑, 子), branchRow(205, 寅, 酉), branchRow(205, 卯, 午), branchRow(205, 辰, 卯),
    branchRow(205, 巳, 子), branchRow(205, 午, 酉), branchRow(205, 未, 午), branchRow(205, 申, 卯), branchRow(205, 酉, 子),
    branchRow(205, 戌, 酉), branchRow(205, 亥, 午),
    // 206 暗金的杀: the ninth branch after the year (the 福德 station of the year)
    //   reconstructed: the 福德 station (ninth after the year) of the 岁前 twelve
    branchRow(206, 子, 酉), branchRow(206, 丑, 戌), branchRow(206, 寅, 亥), branchRow(206, 卯, 子), branchRow(206, 辰, 丑),
    branchRow(206, 巳, 寅), branchRow(206, 午, 卯), branchRow(206, 未, 辰), branchRow(206, 申, 巳), branchRow(206, 酉, 午),
    branchRow(206, 戌, 未), branchRow(206, 亥, 申),
    // 207 元辰: the branch after the clash for yang men and yin women, before it for the others
    branchRow(207, 阳男阴女(子), 未), branchRow(207, 阳男阴女(丑), 申),
    branchRow(207, 阳男阴女(寅), 酉), branchRow(207, 阳男阴女(卯), 戌),
    branchRow(207, 阳男阴女(辰), 亥), branchRow(207, 阳男阴女(巳), 子),
    branchRow(207, 阳男阴女(午), 丑), branchRow(207, 阳男阴女(未), 寅),
    branchRow(207, 阳男阴女(申), 卯), branchRow(207, 阳男阴女(酉), 辰),
    branchRow(207, 阳男阴女(戌), 巳), branchRow(207, 阳男阴女(亥), 午),
    branchRow(207, 阴男阳女(子), 巳), branchRow(207, 阴男阳女(丑), 午),
    branchRow(207, 阴男阳女(寅), 未), branchRow(207, 阴男阳女(卯), 申),
    branchRow(207, 阴男阳女(辰), 酉), branchRow(207, 阴男阳女(巳), 戌),
    branchRow(207, 阴男阳女(午), 亥), branchRow(207, 阴男阳女(未), 子),
    branchRow(207, 阴男阳女(申), 丑), branchRow(207, 阴男阳女(酉), 寅),
    branchRow(207, 阴男阳女(戌), 卯), branchRow(207, 阴男阳女(亥), 辰),
    // 208 勾绞: rule of its own, no rows.
    // 209 灾杀: the clash of the 将星 (申子辰午, 寅午戌子, 巳酉丑卯, 亥卯未酉)
    //   source: the twelve 三合 stars, 灾煞 the clash of the 将星
    branchRow(209, 子, 午), branchRow(209, 丑, 卯), branchRow(209, 寅, 子), branchRow(209, 卯, 酉), branchRow(209, 辰, 午),
    branchRow(209, 巳, 卯), branchRow(209, 午, 子), branchRow(209, 未, 酉), branchRow(209, 申, 午), branchRow(209, 酉, 卯),
    branchRow(209, 戌, 子), branchRow(209, 亥, 酉),
    // 210 孤辰: 亥子丑寅, 寅卯辰巳, 巳午未申, 申酉戌亥
    //   source: 《三命通会·论孤辰寡宿》
    branchRow(210, 子, 寅), branchRow(210, 丑, 寅), branchRow(210, 寅, 巳), branchRow(210, 卯, 巳), branchRow(210, 辰, 巳),
    branchRow(210, 巳, 申), branchRow(210, 午, 申), branchRow(210, 未, 申), branchRow(210, 申, 亥), branchRow(210, 酉, 亥),
    branchRow(210, 戌, 亥), branchRow(210, 亥, 寅),
    // 211 寡宿: 亥子丑戌, 寅卯辰丑, 巳午未辰, 申酉戌未
    //   source: 《三命通会·论孤辰寡宿》
    branchRow(211, 子, 戌), branchRow(211, 丑, 戌), branchRow(211, 寅, 丑), branchRow(211, 卯, 丑), branchRow(211, 辰, 丑),
    branchRow(211, 巳, 辰), branchRow(211, 午, 辰), branchRow(211, 未, 辰), branchRow(211, 申, 未), branchRow(211, 酉, 未),
    branchRow(211, 戌, 未), branchRow(211, 亥, 戌),
    // 212 隔角杀: the branch just past the next corner (亥子丑卯, 寅卯辰午, 巳午未酉, 申酉戌子)
    //   reconstructed: the branch just past the next corner of the year's season
    branchRow(212, 子, 卯), branchRow(212, 丑, 卯), branchRow(212, 寅, 午), branchRow(212, 卯, 午), branchRow(212, 辰, 午),
    branchRow(212, 巳, 酉), branchRow(212, 午, 酉), branchRow(212, 未, 酉), branchRow(212, 申, 子), branchRow(212, 酉, 子),
    branchRow(212, 戌, 子), branchRow(212, 亥, 卯),
    // 213 宅杀: the branch that harms the year (六害: 子未, 丑午, 寅巳, 卯辰, 申亥, 酉戌)
    //   reconstructed: the 六害 of the year taken for the 宅杀
    branchRow(213, 子, 未), branchRow(213, 丑, 午), branchRow(213, 寅, 巳), branchRow(213, 卯, 辰), branchRow(213, 辰, 卯),
    branchRow(213, 巳, 寅), branchRow(213, 午, 丑), branchRow(213, 未, 子), branchRow(213, 申, 亥), branchRow(213, 酉, 戌),
    branchRow(213, 戌, 酉), branchRow(213, 亥, 申),
    // 214 墓杀: the clash of the triad's tomb (申子辰戌, 寅午戌辰, 巳酉丑未, 亥卯未丑)
    //   reconstructed: the clash of the triad's tomb
    branchRow(214, 子, 戌), branchRow(214, 丑, 未), branchRow(214, 寅, 辰), branchRow(214, 卯, 丑), branchRow(214, 辰, 戌),
    branchRow(214, 巳, 未), branchRow(214, 午, 辰), branchRow(214, 未, 丑), branchRow(214, 申, 戌), branchRow(214, 酉, 未),
    branchRow(214, 戌, 辰), branchRow(214, 亥, 丑),
    // 215 丧门: two branches after the year
    //   source: the 岁前 twelve (太岁 太阳 丧门 太阴 官符 死符 岁破 龙德 白虎 福德 吊客 病符): 丧门
    branchRow(215, 子, 寅), branchRow(215, 丑, 卯), branchRow(215, 寅, 辰), branchRow(215, 卯, 巳), branchRow(215, 辰, 午),
    branchRow(215, 巳, 未), branchRow(215, 午, 申), branchRow(215, 未, 酉), branchRow(215, 申, 戌), branchRow(215, 酉, 亥),
    branchRow(215, 戌, 子), branchRow(215, 亥, 丑),
    // 216 吊客: two branches before the year
    //   source: the 岁前 twelve: 吊客
    branchRow(216, 子, 戌), branchRow(216, 丑, 亥), branchRow(216, 寅, 子), branchRow(216, 卯, 丑), branchRow(216, 辰, 寅),
    branchRow(216, 巳, 卯), branchRow(216, 午, 辰), branchRow(216, 未, 巳), branchRow(216, 申, 午), branchRow(216, 酉, 未),
    branchRow(216, 戌, 申), branchRow(216, 亥, 酉),
    // 217 白虎兼刃: the 白虎 pillar, or its stem and branch apart
    pillarRow(217, 子, 壬申), pillarRow(217, 丑, 癸酉), stemBranchRow(217, 寅, 辛, 戌), stemBranchRow(217, 卯, 甲, 亥), pillarRow(217, 辰, 壬子),
    pillarRow(217, 巳, 癸丑), pillarRow(217, 午, 丙寅), pillarRow(217, 未, 丁卯), pillarRow(217, 未, 己卯), stemBranchRow(217, 申, 乙, 辰),
    stemBranchRow(217, 酉, 庚, 巳), pillarRow(217, 戌, 丙午), pillarRow(217, 亥, 丁未), pillarRow(217, 亥, 己未),
    // 218 华盖自墓: the 华盖 pillar whose sound element lies in its own tomb (水土墓辰: 壬辰 丙辰; 火墓戌: 甲戌; 金墓丑: 乙丑; 木墓未: 癸未)
    //   reconstructed: the 华盖 pillars whose sound element lies in its own tomb
    pillarRow(218, 子, 壬辰), pillarRow(218, 子, 丙辰), pillarRow(218, 丑, 乙丑), pillarRow(218, 寅, 甲戌), pillarRow(218, 卯, 癸未),
    pillarRow(218, 辰, 壬辰), pillarRow(218, 辰, 丙辰), pillarRow(218, 巳, 乙丑), pillarRow(218, 午, 甲戌), pillarRow(218, 未, 癸未),
    pillarRow(218, 申, 壬辰), pillarRow(218, 申, 丙辰), pillarRow(218, 酉, 乙丑), pillarRow(218, 戌, 甲戌), pillarRow(218, 亥, 癸未),
    // 219 桃花: 申子辰酉, 寅午戌卯, 巳酉丑午, 亥卯未子
    //   source: the 咸池 of 《三命通会·论咸池》
    branchRow(219, 子, 酉), branchRow(219, 丑, 午), branchRow(219, 寅, 卯), branchRow(219, 卯, 子), branchRow(219, 辰, 酉),
    branchRow(219, 巳, 午), branchRow(219, 午, 卯), branchRow(219, 未, 子), branchRow(219, 申, 酉), branchRow(219, 酉, 午),
    branchRow(219, 戌, 卯), branchRow(219, 亥, 子),
    // 220 咸池, as pillars on the 桃花 branch whose stem (裸体桃花 甲子 丁卯 庚午 癸酉) or sound element (乙酉 甲午 壬子 丁卯) bathes there
    //   reconstructed: the 桃花 branch (219) as pillars whose stem or sound element bathes there
    pillarRow(220, 子, 乙酉), pillarRow(220, 子, 癸酉), pillarRow(220, 丑, 甲午), pillarRow(220, 丑, 庚午), pillarRow(220, 寅, 丁卯),
    pillarRow(220, 卯, 甲子), pillarRow(220, 卯, 壬子), pillarRow(220, 辰, 乙酉), pillarRow(220, 辰, 癸酉), pillarRow(220, 巳, 甲午),
    pillarRow(220, 巳, 庚午), pillarRow(220, 午, 丁卯), pillarRow(220, 未, 甲子), pillarRow(220, 未, 壬子), pillarRow(220, 申, 乙酉),
    pillarRow(220, 申, 癸酉), pillarRow(220, 酉, 甲午), pillarRow(220, 酉, 庚午), pillarRow(220, 戌, 丁卯), pillarRow(220, 亥, 甲子),
    pillarRow(220, 亥, 壬子),
    // 221 将星: 申子辰子, 寅午戌午, 巳酉丑酉, 亥卯未卯
    //   source: the twelve 三合 stars: 将星
    branchRow(221, 子, 子), branchRow(221, 丑, 酉), branchRow(221, 寅, 午), branchRow(221, 卯, 卯), branchRow(221, 辰, 子),
    branchRow(221, 巳, 酉), branchRow(221, 午, 午), branchRow(221, 未, 卯), branchRow(221, 申, 子), branchRow(221, 酉, 酉),
    branchRow(221, 戌, 午), branchRow(221, 亥, 卯),
    // 222 禄马交驰: the 驿马 branch with the hour stem whose 禄 it is
    stemBranchRow(222, 子, 甲, 寅), stemBranchRow(222, 丑, 壬, 亥), stemBranchRow(222, 寅, 庚, 申), stemBranchRow(222, 卯, 丙, 巳), stemBranchRow(222, 卯, 戊, 巳),
    stemBranchRow(222, 辰, 甲, 寅), stemBranchRow(222, 巳, 壬, 亥), stemBranchRow(222, 午, 庚, 申), stemBranchRow(222, 未, 丙, 巳), stemBranchRow(222, 未, 戊, 巳),
    stemBranchRow(222, 申, 甲, 寅), stemBranchRow(222, 酉, 壬, 亥), stemBranchRow(222, 戌, 庚, 申), stemBranchRow(222, 亥, 丙, 巳), stemBranchRow(222, 亥, 戊, 巳),
    // 223 天刑杀: the stem that kills the main stem hidden in the year branch
    //   reconstructed: the stem that kills the main stem hidden in the year branch
    stemRow(223, 子, 己), stemRow(223, 丑, 乙), stemRow(223, 寅, 庚), stemRow(223, 卯, 辛), stemRow(223, 辰, 甲),
    stemRow(223, 巳, 壬), stemRow(223, 午, 癸), stemRow(223, 未, 乙), stemRow(223, 申, 丙), stemRow(223, 酉, 丁),
    stemRow(223, 戌, 甲), stemRow(223, 亥, 戊),
    // 224 官符杀: the 官符 of the 三合, another name of the 亡神 (申子辰亥, 寅午戌巳, 巳酉丑申, 亥卯未寅)
    //   source: 《三命通会》 names the 亡神 also 官符; the rows of 203
    branchRow(224, 子, 亥), branchRow(224, 丑, 申), branchRow(224, 寅, 巳), branchRow(224, 卯, 寅), branchRow(224, 辰, 亥),
    branchRow(224, 巳, 申), branchRow(224, 午, 巳), branchRow(224, 未, 寅), branchRow(224, 申, 亥), branchRow(224, 酉, 申),
    branchRow(224, 戌, 巳), branchRow(224, 亥, 寅),
    // 225 吞啗杀: the seventh branch after the year
    //   reconstructed: the seventh branch after the year (the 龙德 station of the 岁前 twelve)
    branchRow(225, 子, 未), branchRow(225, 丑, 申), branchRow(225, 寅, 酉), branchRow(225, 卯, 戌), branchRow(225, 辰, 亥),
    branchRow(225, 巳, 子), branchRow(225, 午, 丑), branchRow(225, 未, 寅), branchRow(225, 申, 卯), branchRow(225, 酉, 辰),
    branchRow(225, 戌, 巳), branchRow(225, 亥, 午),
    // 226 病符杀: the branch before the year
    //   source: the 岁前 twelve: 病符
    branchRow(226, 子, 亥), branchRow(226, 丑, 子), branchRow(226, 寅, 丑), branchRow(226, 卯, 寅), branchRow(226, 辰, 卯),
    branchRow(226, 巳, 辰), branchRow(226, 午, 巳), branchRow(226, 未, 午), branchRow(226, 申, 未), branchRow(226, 酉, 申),
    branchRow(226, 戌, 酉), branchRow(226, 亥, 戌),
    // 227 死符杀: the fifth branch after the year
    //   source: the 岁前 twelve: 死符
    branchRow(227, 子, 巳), branchRow(227, 丑, 午), branchRow(227, 寅, 未), branchRow(227, 卯, 申), branchRow(227, 辰, 酉),
    branchRow(227, 巳, 戌), branchRow(227, 午, 亥), branchRow(227, 未, 子), branchRow(227, 申, 丑), branchRow(227, 酉, 寅),
    branchRow(227, 戌, 卯), branchRow(227, 亥, 辰),
    // 228 浮沉杀: for the four cardinal years, the branch they destroy (子酉, 卯午, 午卯, 酉子)
    //   reconstructed: the branch each cardinal year destroys
    branchRow(228, 子, 酉), branchRow(228, 卯, 午), branchRow(228, 午, 卯), branchRow(228, 酉, 子),
    // 229 破杀: the branch that clashes the year (岁破)
    //   source: the 岁前 twelve: 岁破
    branchRow(229, 子, 午), branchRow(229, 丑, 未), branchRow(229, 寅, 申), branchRow(229, 卯, 酉), branchRow(229, 辰, 戌),
    branchRow(229, 巳, 亥), branchRow(229, 午, 子), branchRow(229, 未, 丑), branchRow(229, 申, 寅), branchRow(229, 酉, 卯),
    branchRow(229, 戌, 辰), branchRow(229, 亥, 巳),
    // 230 自缢杀: the third branch after the year (贯索)
    //   reconstructed: the 贯索 (third after the year) taken for the 自缢杀
    branchRow(230, 子, 卯), branchRow(230, 丑, 辰), branchRow(230, 寅, 巳), branchRow(230, 卯, 午), branchRow(230, 辰, 未),
    branchRow(230, 巳, 申), branchRow(230, 午, 酉), branchRow(230, 未, 戌), branchRow(230, 申, 亥), branchRow(230, 酉, 子),
    branchRow(230, 戌, 丑), branchRow(230, 亥, 寅),
    // 231 天罗: 戌 and 亥 meet each other
    //   source: 《三命通会·论天罗地网》 (戌亥为天罗)
    branchRow(231, 戌, 亥), branchRow(231, 亥, 戌),
    // 232 地网: 辰 meets 辰 and 巳; the other years meet the stem whose 羊刃 they are
    branchRow(232, 辰, 辰), branchRow(232, 辰, 巳), stemRow(232, 子, 壬), stemRow(232, 丑, 癸), stemRow(232, 卯, 甲),
    stemRow(232, 辰, 乙), stemRow(232, 午, 丙), stemRow(232, 午, 戊), stemRow(232, 未, 丁), stemRow(232, 未, 己),
    stemRow(232, 酉, 庚), stemRow(232, 戌, 辛),
    // 233 紫暗星: the branch after the year, for all years but the net years 辰 and 戌
    //   reconstructed: the branch after the year, the net years 辰 and 戌 left out
    branchRow(233, 子, 丑), branchRow(233, 丑, 寅), branchRow(233, 寅, 卯), branchRow(233, 卯, 辰), branchRow(233, 巳, 午),
    branchRow(233, 午, 未), branchRow(233, 未, 申), branchRow(233, 申, 酉), branchRow(233, 酉, 戌), branchRow(233, 亥, 子),
    // 234 埋儿煞: 子午卯酉 fear 丑, 寅申巳亥 fear 申, 辰戌丑未 fear 卯
    //   source: the 埋儿 (绝房煞) table of the almanacs and of 《三命通会》卷七
    branchRow(234, 子, 丑), branchRow(234, 丑, 卯), branchRow(234, 寅, 申), branchRow(234, 卯, 丑), branchRow(234, 辰, 卯),
    branchRow(234, 巳, 申), branchRow(234, 午, 丑), branchRow(234, 未, 卯), branchRow(234, 申, 申), branchRow(234, 酉, 丑),
    branchRow(234, 戌, 卯), branchRow(234, 亥, 申),
    // 235 年飞廉: 子申 丑酉 寅戌 卯巳 辰午 巳未 午寅 未卯 申辰 酉亥 戌子 亥丑
    //   source: the 飞廉 of the year gods of 《协纪辨方书》
    branchRow(235, 子, 申), branchRow(235, 丑, 酉), branchRow(235, 寅, 戌), branchRow(235, 卯, 巳), branchRow(235, 辰, 午),
    branchRow(235, 巳, 未), branchRow(235, 午, 寅), branchRow(235, 未, 卯), branchRow(235, 申, 辰), branchRow(235, 酉, 亥),
    branchRow(235, 戌, 子), branchRow(235, 亥, 丑),
    // 236 年官符: the fourth branch after the year
    //   source: the 岁前 twelve: 官符
    branchRow(236, 子, 辰), branchRow(236, 丑, 巳), branchRow(236, 寅, 午), branchRow(236, 卯, 未), branchRow(236, 辰, 申),
    branchRow(236, 巳, 酉), branchRow(236, 午, 戌), branchRow(236, 未, 亥), branchRow(236, 申, 子), branchRow(236, 酉, 丑),
    branchRow(236, 戌, 寅), branchRow(236, 亥, 卯),
    // 237 桃花簪主: the 红鸾 of the year (卯 counted back by the year branch)
    //   reconstructed: the 红鸾 of the year (卯 counted back) taken for the 桃花簪主
    branchRow(237, 子, 卯), branchRow(237, 丑, 寅), branchRow(237, 寅, 丑), branchRow(237, 卯, 子), branchRow(237, 辰, 亥),
    branchRow(237, 巳, 戌), branchRow(237, 午, 酉), branchRow(237, 未, 申), branchRow(237, 申, 未), branchRow(237, 酉, 午),
    branchRow(237, 戌, 巳), branchRow(237, 亥, 辰),
    // 238 破碎朝元: the 破碎 of the year (寅申巳亥酉, 子午卯酉巳, 辰戌丑未丑)
    //   source: the 破碎 table (子午卯酉见巳, 寅申巳亥见酉, 辰戌丑未见丑)
    branchRow(238, 子, 巳), branchRow(238, 丑, 丑), branchRow(238, 寅, 酉), branchRow(238, 卯, 巳), branchRow(238, 辰, 丑),
    branchRow(238, 巳, 酉), branchRow(238, 午, 巳), branchRow(238, 未, 丑), branchRow(238, 申, 酉), branchRow(238, 酉, 巳),
    branchRow(238, 戌, 丑), branchRow(238, 亥, 酉),
    // 239 白虎胎神: the 白虎, eighth branch after the year
    //   source: the 岁前 twelve: 白虎
    branchRow(239, 子, 申), branchRow(239, 丑, 酉), branchRow(239, 寅, 戌), branchRow(239, 卯, 亥), branchRow(239, 辰, 子),
    branchRow(239, 巳, 丑), branchRow(239, 午, 寅), branchRow(239, 未, 卯), branchRow(239, 申, 辰), branchRow(239, 酉, 巳),
    branchRow(239, 戌, 午), branchRow(239, 亥, 未),
    // 240 白虎胎神 by the sound element: the 胎 branch carrying the element that controls it (earth with fire)
    pillarRow(240, 木, 癸酉), pillarRow(240, 火, 丙子), pillarRow(240, 土, 丙子), pillarRow(240, 金, 丁卯), pillarRow(240, 水, 庚午),
    // 241 学堂: the 长生 pillar of the sound element (金见辛巳, 木见己亥, 水见甲申, 土见戊申, 火见丙寅)
    //   source: 《三命通会·论学堂词馆》: the 学堂 of the sound element
    pillarRow(241, 木, 己亥), pillarRow(241, 火, 丙寅), pillarRow(241, 土, 戊申), pillarRow(241, 金, 辛巳), pillarRow(241, 水, 甲申),
    // 242 词馆: the 临官 pillar of the sound element (木见庚寅, 火见乙巳, 土见丁亥, 金见壬申, 水见癸亥)
    //   source: 《三命通会·论学堂词馆》: the 词馆 of the sound element
    pillarRow(242, 木, 庚寅), pillarRow(242, 火, 乙巳), pillarRow(242, 土, 丁亥), pillarRow(242, 金, 壬申), pillarRow(242, 水, 癸亥),
    // 243 自生: the pillar of the same sound element at its 长生 stage (earth with water)
    //   reconstructed: the 长生 pillar of the sound element, as the 学堂 of 241
    pillarRow(243, 木, 己亥), pillarRow(243, 火, 丙寅), pillarRow(243, 土, 戊申), pillarRow(243, 金, 辛巳), pillarRow(243, 水, 甲申),
    // 244 自沐: the pillar of the same sound element at its 沐浴 stage (earth with water)
    //   reconstructed: the pillar of the sound element at its 沐浴
    pillarRow(244, 木, 壬子), pillarRow(244, 火, 丁卯), pillarRow(244, 土, 己酉), pillarRow(244, 金, 甲午), pillarRow(244, 水, 乙酉),
    // 245 自冠带: the pillar of the same sound element at its 冠带 stage (earth with water)
    //   reconstructed: the pillar of the sound element at its 冠带
    pillarRow(245, 木, 癸丑), pillarRow(245, 火, 甲辰), pillarRow(245, 土, 丙戌), pillarRow(245, 金, 乙未), pillarRow(245, 水, 壬戌),
    // 246 自临官: the pillar of the same sound element at its 临官 stage (earth with water)
    //   reconstructed: the 临官 pillar of the sound element, as the 词馆 of 242
    pillarRow(246, 木, 庚寅), pillarRow(246, 火, 乙巳), pillarRow(246, 土, 丁亥), pillarRow(246, 金, 壬申), pillarRow(246, 水, 癸亥),
    // 247 自旺: the pillar of the same sound element at its 帝旺 stage (earth with water)
    //   reconstructed: the pillar of the sound element at its 帝旺
    pillarRow(247, 木, 辛卯), pillarRow(247, 火, 戊午), pillarRow(247, 土, 庚子), pillarRow(247, 金, 癸酉), pillarRow(247, 水, 丙子),
    // 248 自衰: the pillar of the same sound element at its 衰 stage (earth with water)
    //   reconstructed: the pillar of the sound element at its 衰
    pillarRow(248, 木, 戊辰), pillarRow(248, 火, 己未), pillarRow(248, 土, 辛丑), pillarRow(248, 金, 庚戌), pillarRow(248, 水, 丁丑),
    // 249 自病: the pillar of the same sound element at its 病 stage (earth with water)
    //   reconstructed: the pillar of the sound element at its 病
    pillarRow(249, 木, 己巳), pillarRow(249, 火, 丙申), pillarRow(249, 土, 戊寅), pillarRow(249, 金, 辛亥), pillarRow(249, 水, 甲寅),
    // 250 自死: the pillar of the same sound element at its 死 stage (earth with water)
    //   reconstructed: the pillar of the sound element at its 死
    pillarRow(250, 木, 壬午), pillarRow(250, 火, 丁酉), pillarRow(250, 土, 己卯), pillarRow(250, 金, 甲子), pillarRow(250, 水, 乙卯),
    // 251 自墓: the pillar of the same sound element at its 墓 stage (earth with water)
    //   reconstructed: the pillar of the sound element at its 墓
    pillarRow(251, 木, 癸未), pillarRow(251, 火, 甲戌), pillarRow(251, 土, 丙辰), pillarRow(251, 金, 乙丑), pillarRow(251, 水, 壬辰),
    // 252 自绝: the pillar of the same sound element at its 绝 stage (earth with water)
    //   reconstructed: the pillar of the sound element at its 绝
    pillarRow(252, 木, 庚申), pillarRow(252, 火, 乙亥), pillarRow(252, 土, 丁巳), pillarRow(252, 金, 壬寅), pillarRow(252, 水, 癸巳),
    // 253 自胎: the pillar of the same sound element at its 胎 stage (earth with water)
    //   reconstructed: the pillar of the sound element at its 胎
    pillarRow(253, 木, 辛酉), pillarRow(253, 火, 戊子), pillarRow(253, 土, 庚午), pillarRow(253, 金, 癸卯), pillarRow(253, 水, 丙午),
    // 254 自养: the pillar of the same sound element at its 养 stage (earth with water)
    //   reconstructed: the pillar of the sound element at its 养
    pillarRow(254, 木, 戊戌), pillarRow(254, 火, 己丑), pillarRow(254, 土, 辛未), pillarRow(254, 金, 庚辰), pillarRow(254, 水, 丁未),
    // 255 三公煞: the pillar of the triad's 长生 branch carrying the triad's own sound element (甲申, 丙寅, 辛巳, 己亥)
    //   reconstructed: the pillar of the triad's 长生 branch with the triad's own sound element
    pillarRow(255, 子, 甲申), pillarRow(255, 丑, 辛巳), pillarRow(255, 寅, 丙寅), pillarRow(255, 卯, 己亥), pillarRow(255, 辰, 甲申),
    pillarRow(255, 巳, 辛巳), pillarRow(255, 午, 丙寅), pillarRow(255, 未, 己亥), pillarRow(255, 申, 甲申), pillarRow(255, 酉, 辛巳),
    pillarRow(255, 戌, 丙寅), pillarRow(255, 亥, 己亥),
    // 256 天狗: the tenth branch after the year
    //   source: 天狗 ten branches after the year, the station of 216 吊客 in the 岁前 twelve
    branchRow(256, 子, 戌), branchRow(256, 丑, 亥), branchRow(256, 寅, 子), branchRow(256, 卯, 丑), branchRow(256, 辰, 寅),
    branchRow(256, 巳, 卯), branchRow(256, 午, 辰), branchRow(256, 未, 巳), branchRow(256, 申, 午), branchRow(256, 酉, 未),
    branchRow(256, 戌, 申), branchRow(256, 亥, 酉),
}};

}  // namespace orvane
