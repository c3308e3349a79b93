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
    branch_row(201, 子, 寅), branch_row(201, 丑, 亥), branch_row(201, 寅, 申), branch_row(201, 卯, 巳), branch_row(201, 辰, 寅),
    branch_row(201, 巳, 亥), branch_row(201, 午, 申), branch_row(201, 未, 巳), branch_row(201, 申, 寅), branch_row(201, 酉, 亥),
    branch_row(201, 戌, 申), branch_row(201, 亥, 巳),
    // 202 攀鞍: the branch after the 将星 (申子辰丑, 寅午戌未, 巳酉丑辰, 亥卯未戌)
    //   source: the twelve 三合 stars (劫煞 灾煞 … 将星 攀鞍 驿马 六害 华盖) of 《三命通会》
    branch_row(202, 子, 丑), branch_row(202, 丑, 辰), branch_row(202, 寅, 未), branch_row(202, 卯, 戌), branch_row(202, 辰, 丑),
    branch_row(202, 巳, 辰), branch_row(202, 午, 未), branch_row(202, 未, 戌), branch_row(202, 申, 丑), branch_row(202, 酉, 辰),
    branch_row(202, 戌, 未), branch_row(202, 亥, 戌),
    // 203 亡神: 申子辰亥, 寅午戌巳, 巳酉丑申, 亥卯未寅
    //   source: 《三命通会·论亡神劫煞》
    branch_row(203, 子, 亥), branch_row(203, 丑, 申), branch_row(203, 寅, 巳), branch_row(203, 卯, 寅), branch_row(203, 辰, 亥),
    branch_row(203, 巳, 申), branch_row(203, 午, 巳), branch_row(203, 未, 寅), branch_row(203, 申, 亥), branch_row(203, 酉, 申),
    branch_row(203, 戌, 巳), branch_row(203, 亥, 寅),
    // 204 劫煞: 申子辰巳, 寅午戌亥, 巳酉丑寅, 亥卯未申
    //   source: 《三命通会·论亡神劫煞》
    branch_row(204, 子, 巳), branch_row(204, 丑, 寅), branch_row(204, 寅, 亥), branch_row(204, 卯, 申), branch_row(204, 辰, 巳),
    branch_row(204, 巳, 寅), branch_row(204, 午, 亥), branch_row(204, 未, 申), branch_row(204, 申, 巳), branch_row(204, 酉, 寅),
    branch_row(204, 戌, 亥), branch_row(204, 亥, 申),
    // 205 六厄: the branch after the 驿马 (申子辰卯, 寅午戌酉, 巳酉丑子, 亥卯未午)
    //   source: the twelve 三合 stars, 六害 (六厄) after the 驿马
    branch_row(205, 子, 卯), branch_row(205, 丑, 子), branch_row(205, 寅, 酉), branch_row(205, 卯, 午), branch_row(205, 辰, 卯),
    branch_row(205, 巳, 子), branch_row(205, 午, 酉), branch_row(205, 未, 午), branch_row(205, 申, 卯), branch_row(205, 酉, 子),
    branch_row(205, 戌, 酉), branch_row(205, 亥, 午),
    // 206 暗金的杀: the ninth branch after the year (the 福德 station of the year)
    //   reconstructed: the 福德 station (ninth after the year) of the 岁前 twelve
    branch_row(206, 子, 酉), branch_row(206, 丑, 戌), branch_row(206, 寅, 亥), branch_row(206, 卯, 子), branch_row(206, 辰, 丑),
    branch_row(206, 巳, 寅), branch_row(206, 午, 卯), branch_row(206, 未, 辰), branch_row(206, 申, 巳), branch_row(206, 酉, 午),
    branch_row(206, 戌, 未), branch_row(206, 亥, 申),
    // 207 元辰: the branch after the clash for yang men and yin women, before it for the others
    branch_row(207, 阳男阴女(子), 未), branch_row(207, 阳男阴女(丑), 申),
    branch_row(207, 阳男阴女(寅), 酉), branch_row(207, 阳男阴女(卯), 戌),
    branch_row(207, 阳男阴女(辰), 亥), branch_row(207, 阳男阴女(巳), 子),
    branch_row(207, 阳男阴女(午), 丑), branch_row(207, 阳男阴女(未), 寅),
    branch_row(207, 阳男阴女(申), 卯), branch_row(207, 阳男阴女(酉), 辰),
    branch_row(207, 阳男阴女(戌), 巳), branch_row(207, 阳男阴女(亥), 午),
    branch_row(207, 阴男阳女(子), 巳), branch_row(207, 阴男阳女(丑), 午),
    branch_row(207, 阴男阳女(寅), 未), branch_row(207, 阴男阳女(卯), 申),
    branch_row(207, 阴男阳女(辰), 酉), branch_row(207, 阴男阳女(巳), 戌),
    branch_row(207, 阴男阳女(午), 亥), branch_row(207, 阴男阳女(未), 子),
    branch_row(207, 阴男阳女(申), 丑), branch_row(207, 阴男阳女(酉), 寅),
    branch_row(207, 阴男阳女(戌), 卯), branch_row(207, 阴男阳女(亥), 辰),
    // 208 勾绞: rule of its own, no rows.
    // 209 灾杀: the clash of the 将星 (申子辰午, 寅午戌子, 巳酉丑卯, 亥卯未酉)
    //   source: the twelve 三合 stars, 灾煞 the clash of the 将星
    branch_row(209, 子, 午), branch_row(209, 丑, 卯), branch_row(209, 寅, 子), branch_row(209, 卯, 酉), branch_row(209, 辰, 午),
    branch_row(209, 巳, 卯), branch_row(209, 午, 子), branch_row(209, 未, 酉), branch_row(209, 申, 午), branch_row(209, 酉, 卯),
    branch_row(209, 戌, 子), branch_row(209, 亥, 酉),
    // 210 孤辰: 亥子丑寅, 寅卯辰巳, 巳午未申, 申酉戌亥
    //   source: 《三命通会·论孤辰寡宿》
    branch_row(210, 子, 寅), branch_row(210, 丑, 寅), branch_row(210, 寅, 巳), branch_row(210, 卯, 巳), branch_row(210, 辰, 巳),
    branch_row(210, 巳, 申), branch_row(210, 午, 申), branch_row(210, 未, 申), branch_row(210, 申, 亥), branch_row(210, 酉, 亥),
    branch_row(210, 戌, 亥), branch_row(210, 亥, 寅),
    // 211 寡宿: 亥子丑戌, 寅卯辰丑, 巳午未辰, 申酉戌未
    //   source: 《三命通会·论孤辰寡宿》
    branch_row(211, 子, 戌), branch_row(211, 丑, 戌), branch_row(211, 寅, 丑), branch_row(211, 卯, 丑), branch_row(211, 辰, 丑),
    branch_row(211, 巳, 辰), branch_row(211, 午, 辰), branch_row(211, 未, 辰), branch_row(211, 申, 未), branch_row(211, 酉, 未),
    branch_row(211, 戌, 未), branch_row(211, 亥, 戌),
    // 212 隔角杀: the branch just past the next corner (亥子丑卯, 寅卯辰午, 巳午未酉, 申酉戌子)
    //   reconstructed: the branch just past the next corner of the year's season
    branch_row(212, 子, 卯), branch_row(212, 丑, 卯), branch_row(212, 寅, 午), branch_row(212, 卯, 午), branch_row(212, 辰, 午),
    branch_row(212, 巳, 酉), branch_row(212, 午, 酉), branch_row(212, 未, 酉), branch_row(212, 申, 子), branch_row(212, 酉, 子),
    branch_row(212, 戌, 子), branch_row(212, 亥, 卯),
    // 213 宅杀: the branch that harms the year (六害: 子未, 丑午, 寅巳, 卯辰, 申亥, 酉戌)
    //   reconstructed: the 六害 of the year taken for the 宅杀
    branch_row(213, 子, 未), branch_row(213, 丑, 午), branch_row(213, 寅, 巳), branch_row(213, 卯, 辰), branch_row(213, 辰, 卯),
    branch_row(213, 巳, 寅), branch_row(213, 午, 丑), branch_row(213, 未, 子), branch_row(213, 申, 亥), branch_row(213, 酉, 戌),
    branch_row(213, 戌, 酉), branch_row(213, 亥, 申),
    // 214 墓杀: the clash of the triad's tomb (申子辰戌, 寅午戌辰, 巳酉丑未, 亥卯未丑)
    //   reconstructed: the clash of the triad's tomb
    branch_row(214, 子, 戌), branch_row(214, 丑, 未), branch_row(214, 寅, 辰), branch_row(214, 卯, 丑), branch_row(214, 辰, 戌),
    branch_row(214, 巳, 未), branch_row(214, 午, 辰), branch_row(214, 未, 丑), branch_row(214, 申, 戌), branch_row(214, 酉, 未),
    branch_row(214, 戌, 辰), branch_row(214, 亥, 丑),
    // 215 丧门: two branches after the year
    //   source: the 岁前 twelve (太岁 太阳 丧门 太阴 官符 死符 岁破 龙德 白虎 福德 吊客 病符): 丧门
    branch_row(215, 子, 寅), branch_row(215, 丑, 卯), branch_row(215, 寅, 辰), branch_row(215, 卯, 巳), branch_row(215, 辰, 午),
    branch_row(215, 巳, 未), branch_row(215, 午, 申), branch_row(215, 未, 酉), branch_row(215, 申, 戌), branch_row(215, 酉, 亥),
    branch_row(215, 戌, 子), branch_row(215, 亥, 丑),
    // 216 吊客: two branches before the year
    //   source: the 岁前 twelve: 吊客
    branch_row(216, 子, 戌), branch_row(216, 丑, 亥), branch_row(216, 寅, 子), branch_row(216, 卯, 丑), branch_row(216, 辰, 寅),
    branch_row(216, 巳, 卯), branch_row(216, 午, 辰), branch_row(216, 未, 巳), branch_row(216, 申, 午), branch_row(216, 酉, 未),
    branch_row(216, 戌, 申), branch_row(216, 亥, 酉),
    // 217 白虎兼刃: the 白虎 pillar, or its stem and branch apart
    pillar_row(217, 子, 壬申), pillar_row(217, 丑, 癸酉), stem_branch_row(217, 寅, 辛, 戌), stem_branch_row(217, 卯, 甲, 亥), pillar_row(217, 辰, 壬子),
    pillar_row(217, 巳, 癸丑), pillar_row(217, 午, 丙寅), pillar_row(217, 未, 丁卯), pillar_row(217, 未, 己卯), stem_branch_row(217, 申, 乙, 辰),
    stem_branch_row(217, 酉, 庚, 巳), pillar_row(217, 戌, 丙午), pillar_row(217, 亥, 丁未), pillar_row(217, 亥, 己未),
    // 218 华盖自墓: the 华盖 pillar whose sound element lies in its own tomb (水土墓辰: 壬辰 丙辰; 火墓戌: 甲戌; 金墓丑: 乙丑; 木墓未: 癸未)
    //   reconstructed: the 华盖 pillars whose sound element lies in its own tomb
    pillar_row(218, 子, 壬辰), pillar_row(218, 子, 丙辰), pillar_row(218, 丑, 乙丑), pillar_row(218, 寅, 甲戌), pillar_row(218, 卯, 癸未),
    pillar_row(218, 辰, 壬辰), pillar_row(218, 辰, 丙辰), pillar_row(218, 巳, 乙丑), pillar_row(218, 午, 甲戌), pillar_row(218, 未, 癸未),
    pillar_row(218, 申, 壬辰), pillar_row(218, 申, 丙辰), pillar_row(218, 酉, 乙丑), pillar_row(218, 戌, 甲戌), pillar_row(218, 亥, 癸未),
    // 219 桃花: 申子辰酉, 寅午戌卯, 巳酉丑午, 亥卯未子
    //   source: the 咸池 of 《三命通会·论咸池》
    branch_row(219, 子, 酉), branch_row(219, 丑, 午), branch_row(219, 寅, 卯), branch_row(219, 卯, 子), branch_row(219, 辰, 酉),
    branch_row(219, 巳, 午), branch_row(219, 午, 卯), branch_row(219, 未, 子), branch_row(219, 申, 酉), branch_row(219, 酉, 午),
    branch_row(219, 戌, 卯), branch_row(219, 亥, 子),
    // 220 咸池, as pillars on the 桃花 branch whose stem (裸体桃花 甲子 丁卯 庚午 癸酉) or sound element (乙酉 甲午 壬子 丁卯) bathes there
    //   reconstructed: the 桃花 branch (219) as pillars whose stem or sound element bathes there
    pillar_row(220, 子, 乙酉), pillar_row(220, 子, 癸酉), pillar_row(220, 丑, 甲午), pillar_row(220, 丑, 庚午), pillar_row(220, 寅, 丁卯),
    pillar_row(220, 卯, 甲子), pillar_row(220, 卯, 壬子), pillar_row(220, 辰, 乙酉), pillar_row(220, 辰, 癸酉), pillar_row(220, 巳, 甲午),
    pillar_row(220, 巳, 庚午), pillar_row(220, 午, 丁卯), pillar_row(220, 未, 甲子), pillar_row(220, 未, 壬子), pillar_row(220, 申, 乙酉),
    pillar_row(220, 申, 癸酉), pillar_row(220, 酉, 甲午), pillar_row(220, 酉, 庚午), pillar_row(220, 戌, 丁卯), pillar_row(220, 亥, 甲子),
    pillar_row(220, 亥, 壬子),
    // 221 将星: 申子辰子, 寅午戌午, 巳酉丑酉, 亥卯未卯
    //   source: the twelve 三合 stars: 将星
    branch_row(221, 子, 子), branch_row(221, 丑, 酉), branch_row(221, 寅, 午), branch_row(221, 卯, 卯), branch_row(221, 辰, 子),
    branch_row(221, 巳, 酉), branch_row(221, 午, 午), branch_row(221, 未, 卯), branch_row(221, 申, 子), branch_row(221, 酉, 酉),
    branch_row(221, 戌, 午), branch_row(221, 亥, 卯),
    // 222 禄马交驰: the 驿马 branch with the hour stem whose 禄 it is
    stem_branch_row(222, 子, 甲, 寅), stem_branch_row(222, 丑, 壬, 亥), stem_branch_row(222, 寅, 庚, 申), stem_branch_row(222, 卯, 丙, 巳), stem_branch_row(222, 卯, 戊, 巳),
    stem_branch_row(222, 辰, 甲, 寅), stem_branch_row(222, 巳, 壬, 亥), stem_branch_row(222, 午, 庚, 申), stem_branch_row(222, 未, 丙, 巳), stem_branch_row(222, 未, 戊, 巳),
    stem_branch_row(222, 申, 甲, 寅), stem_branch_row(222, 酉, 壬, 亥), stem_branch_row(222, 戌, 庚, 申), stem_branch_row(222, 亥, 丙, 巳), stem_branch_row(222, 亥, 戊, 巳),
    // 223 天刑杀: the stem that kills the main stem hidden in the year branch
    //   reconstructed: the stem that kills the main stem hidden in the year branch
    stem_row(223, 子, 己), stem_row(223, 丑, 乙), stem_row(223, 寅, 庚), stem_row(223, 卯, 辛), stem_row(223, 辰, 甲),
    stem_row(223, 巳, 壬), stem_row(223, 午, 癸), stem_row(223, 未, 乙), stem_row(223, 申, 丙), stem_row(223, 酉, 丁),
    stem_row(223, 戌, 甲), stem_row(223, 亥, 戊),
    // 224 官符杀: the 官符 of the 三合, another name of the 亡神 (申子辰亥, 寅午戌巳, 巳酉丑申, 亥卯未寅)
    //   source: 《三命通会》 names the 亡神 also 官符; the rows of 203
    branch_row(224, 子, 亥), branch_row(224, 丑, 申), branch_row(224, 寅, 巳), branch_row(224, 卯, 寅), branch_row(224, 辰, 亥),
    branch_row(224, 巳, 申), branch_row(224, 午, 巳), branch_row(224, 未, 寅), branch_row(224, 申, 亥), branch_row(224, 酉, 申),
    branch_row(224, 戌, 巳), branch_row(224, 亥, 寅),
    // 225 吞啗杀: the seventh branch after the year
    //   reconstructed: the seventh branch after the year (the 龙德 station of the 岁前 twelve)
    branch_row(225, 子, 未), branch_row(225, 丑, 申), branch_row(225, 寅, 酉), branch_row(225, 卯, 戌), branch_row(225, 辰, 亥),
    branch_row(225, 巳, 子), branch_row(225, 午, 丑), branch_row(225, 未, 寅), branch_row(225, 申, 卯), branch_row(225, 酉, 辰),
    branch_row(225, 戌, 巳), branch_row(225, 亥, 午),
    // 226 病符杀: the branch before the year
    //   source: the 岁前 twelve: 病符
    branch_row(226, 子, 亥), branch_row(226, 丑, 子), branch_row(226, 寅, 丑), branch_row(226, 卯, 寅), branch_row(226, 辰, 卯),
    branch_row(226, 巳, 辰), branch_row(226, 午, 巳), branch_row(226, 未, 午), branch_row(226, 申, 未), branch_row(226, 酉, 申),
    branch_row(226, 戌, 酉), branch_row(226, 亥, 戌),
    // 227 死符杀: the fifth branch after the year
    //   source: the 岁前 twelve: 死符
    branch_row(227, 子, 巳), branch_row(227, 丑, 午), branch_row(227, 寅, 未), branch_row(227, 卯, 申), branch_row(227, 辰, 酉),
    branch_row(227, 巳, 戌), branch_row(227, 午, 亥), branch_row(227, 未, 子), branch_row(227, 申, 丑), branch_row(227, 酉, 寅),
    branch_row(227, 戌, 卯), branch_row(227, 亥, 辰),
    // 228 浮沉杀: for the four cardinal years, the branch they destroy (子酉, 卯午, 午卯, 酉子)
    //   reconstructed: the branch each cardinal year destroys
    branch_row(228, 子, 酉), branch_row(228, 卯, 午), branch_row(228, 午, 卯), branch_row(228, 酉, 子),
    // 229 破杀: the branch that clashes the year (岁破)
    //   source: the 岁前 twelve: 岁破
    branch_row(229, 子, 午), branch_row(229, 丑, 未), branch_row(229, 寅, 申), branch_row(229, 卯, 酉), branch_row(229, 辰, 戌),
    branch_row(229, 巳, 亥), branch_row(229, 午, 子), branch_row(229, 未, 丑), branch_row(229, 申, 寅), branch_row(229, 酉, 卯),
    branch_row(229, 戌, 辰), branch_row(229, 亥, 巳),
    // 230 自缢杀: the third branch after the year (贯索)
    //   reconstructed: the 贯索 (third after the year) taken for the 自缢杀
    branch_row(230, 子, 卯), branch_row(230, 丑, 辰), branch_row(230, 寅, 巳), branch_row(230, 卯, 午), branch_row(230, 辰, 未),
    branch_row(230, 巳, 申), branch_row(230, 午, 酉), branch_row(230, 未, 戌), branch_row(230, 申, 亥), branch_row(230, 酉, 子),
    branch_row(230, 戌, 丑), branch_row(230, 亥, 寅),
    // 231 天罗: 戌 and 亥 meet each other
    //   source: 《三命通会·论天罗地网》 (戌亥为天罗)
    branch_row(231, 戌, 亥), branch_row(231, 亥, 戌),
    // 232 地网: 辰 meets 辰 and 巳; the other years meet the stem whose 羊刃 they are
    branch_row(232, 辰, 辰), branch_row(232, 辰, 巳), stem_row(232, 子, 壬), stem_row(232, 丑, 癸), stem_row(232, 卯, 甲),
    stem_row(232, 辰, 乙), stem_row(232, 午, 丙), stem_row(232, 午, 戊), stem_row(232, 未, 丁), stem_row(232, 未, 己),
    stem_row(232, 酉, 庚), stem_row(232, 戌, 辛),
    // 233 紫暗星: the branch after the year, for all years but the net years 辰 and 戌
    //   reconstructed: the branch after the year, the net years 辰 and 戌 left out
    branch_row(233, 子, 丑), branch_row(233, 丑, 寅), branch_row(233, 寅, 卯), branch_row(233, 卯, 辰), branch_row(233, 巳, 午),
    branch_row(233, 午, 未), branch_row(233, 未, 申), branch_row(233, 申, 酉), branch_row(233, 酉, 戌), branch_row(233, 亥, 子),
    // 234 埋儿煞: 子午卯酉 fear 丑, 寅申巳亥 fear 申, 辰戌丑未 fear 卯
    //   source: the 埋儿 (绝房煞) table of the almanacs and of 《三命通会》卷七
    branch_row(234, 子, 丑), branch_row(234, 丑, 卯), branch_row(234, 寅, 申), branch_row(234, 卯, 丑), branch_row(234, 辰, 卯),
    branch_row(234, 巳, 申), branch_row(234, 午, 丑), branch_row(234, 未, 卯), branch_row(234, 申, 申), branch_row(234, 酉, 丑),
    branch_row(234, 戌, 卯), branch_row(234, 亥, 申),
    // 235 年飞廉: 子申 丑酉 寅戌 卯巳 辰午 巳未 午寅 未卯 申辰 酉亥 戌子 亥丑
    //   source: the 飞廉 of the year gods of 《协纪辨方书》
    branch_row(235, 子, 申), branch_row(235, 丑, 酉), branch_row(235, 寅, 戌), branch_row(235, 卯, 巳), branch_row(235, 辰, 午),
    branch_row(235, 巳, 未), branch_row(235, 午, 寅), branch_row(235, 未, 卯), branch_row(235, 申, 辰), branch_row(235, 酉, 亥),
    branch_row(235, 戌, 子), branch_row(235, 亥, 丑),
    // 236 年官符: the fourth branch after the year
    //   source: the 岁前 twelve: 官符
    branch_row(236, 子, 辰), branch_row(236, 丑, 巳), branch_row(236, 寅, 午), branch_row(236, 卯, 未), branch_row(236, 辰, 申),
    branch_row(236, 巳, 酉), branch_row(236, 午, 戌), branch_row(236, 未, 亥), branch_row(236, 申, 子), branch_row(236, 酉, 丑),
    branch_row(236, 戌, 寅), branch_row(236, 亥, 卯),
    // 237 桃花簪主: the 红鸾 of the year (卯 counted back by the year branch)
    //   reconstructed: the 红鸾 of the year (卯 counted back) taken for the 桃花簪主
    branch_row(237, 子, 卯), branch_row(237, 丑, 寅), branch_row(237, 寅, 丑), branch_row(237, 卯, 子), branch_row(237, 辰, 亥),
    branch_row(237, 巳, 戌), branch_row(237, 午, 酉), branch_row(237, 未, 申), branch_row(237, 申, 未), branch_row(237, 酉, 午),
    branch_row(237, 戌, 巳), branch_row(237, 亥, 辰),
    // 238 破碎朝元: the 破碎 of the year (寅申巳亥酉, 子午卯酉巳, 辰戌丑未丑)
    //   source: the 破碎 table (子午卯酉见巳, 寅申巳亥见酉, 辰戌丑未见丑)
    branch_row(238, 子, 巳), branch_row(238, 丑, 丑), branch_row(238, 寅, 酉), branch_row(238, 卯, 巳), branch_row(238, 辰, 丑),
    branch_row(238, 巳, 酉), branch_row(238, 午, 巳), branch_row(238, 未, 丑), branch_row(238, 申, 酉), branch_row(238, 酉, 巳),
    branch_row(238, 戌, 丑), branch_row(238, 亥, 酉),
    // 239 白虎胎神: the 白虎, eighth branch after the year
    //   source: the 岁前 twelve: 白虎
    branch_row(239, 子, 申), branch_row(239, 丑, 酉), branch_row(239, 寅, 戌), branch_row(239, 卯, 亥), branch_row(239, 辰, 子),
    branch_row(239, 巳, 丑), branch_row(239, 午, 寅), branch_row(239, 未, 卯), branch_row(239, 申, 辰), branch_row(239, 酉, 巳),
    branch_row(239, 戌, 午), branch_row(239, 亥, 未),
    // 240 白虎胎神 by the sound element: the 胎 branch carrying the element that controls it (earth with fire)
    pillar_row(240, 木, 癸酉), pillar_row(240, 火, 丙子), pillar_row(240, 土, 丙子), pillar_row(240, 金, 丁卯), pillar_row(240, 水, 庚午),
    // 241 学堂: the 长生 pillar of the sound element (金见辛巳, 木见己亥, 水见甲申, 土见戊申, 火见丙寅)
    //   source: 《三命通会·论学堂词馆》: the 学堂 of the sound element
    pillar_row(241, 木, 己亥), pillar_row(241, 火, 丙寅), pillar_row(241, 土, 戊申), pillar_row(241, 金, 辛巳), pillar_row(241, 水, 甲申),
    // 242 词馆: the 临官 pillar of the sound element (木见庚寅, 火见乙巳, 土见丁亥, 金见壬申, 水见癸亥)
    //   source: 《三命通会·论学堂词馆》: the 词馆 of the sound element
    pillar_row(242, 木, 庚寅), pillar_row(242, 火, 乙巳), pillar_row(242, 土, 丁亥), pillar_row(242, 金, 壬申), pillar_row(242, 水, 癸亥),
    // 243 自生: the pillar of the same sound element at its 长生 stage (earth with water)
    //   reconstructed: the 长生 pillar of the sound element, as the 学堂 of 241
    pillar_row(243, 木, 己亥), pillar_row(243, 火, 丙寅), pillar_row(243, 土, 戊申), pillar_row(243, 金, 辛巳), pillar_row(243, 水, 甲申),
    // 244 自沐: the pillar of the same sound element at its 沐浴 stage (earth with water)
    //   reconstructed: the pillar of the sound element at its 沐浴
    pillar_row(244, 木, 壬子), pillar_row(244, 火, 丁卯), pillar_row(244, 土, 己酉), pillar_row(244, 金, 甲午), pillar_row(244, 水, 乙酉),
    // 245 自冠带: the pillar of the same sound element at its 冠带 stage (earth with water)
    //   reconstructed: the pillar of the sound element at its 冠带
    pillar_row(245, 木, 癸丑), pillar_row(245, 火, 甲辰), pillar_row(245, 土, 丙戌), pillar_row(245, 金, 乙未), pillar_row(245, 水, 壬戌),
    // 246 自临官: the pillar of the same sound element at its 临官 stage (earth with water)
    //   reconstructed: the 临官 pillar of the sound element, as the 词馆 of 242
    pillar_row(246, 木, 庚寅), pillar_row(246, 火, 乙巳), pillar_row(246, 土, 丁亥), pillar_row(246, 金, 壬申), pillar_row(246, 水, 癸亥),
    // 247 自旺: the pillar of the same sound element at its 帝旺 stage (earth with water)
    //   reconstructed: the pillar of the sound element at its 帝旺
    pillar_row(247, 木, 辛卯), pillar_row(247, 火, 戊午), pillar_row(247, 土, 庚子), pillar_row(247, 金, 癸酉), pillar_row(247, 水, 丙子),
    // 248 自衰: the pillar of the same sound element at its 衰 stage (earth with water)
    //   reconstructed: the pillar of the sound element at its 衰
    pillar_row(248, 木, 戊辰), pillar_row(248, 火, 己未), pillar_row(248, 土, 辛丑), pillar_row(248, 金, 庚戌), pillar_row(248, 水, 丁丑),
    // 249 自病: the pillar of the same sound element at its 病 stage (earth with water)
    //   reconstructed: the pillar of the sound element at its 病
    pillar_row(249, 木, 己巳), pillar_row(249, 火, 丙申), pillar_row(249, 土, 戊寅), pillar_row(249, 金, 辛亥), pillar_row(249, 水, 甲寅),
    // 250 自死: the pillar of the same sound element at its 死 stage (earth with water)
    //   reconstructed: the pillar of the sound element at its 死
    pillar_row(250, 木, 壬午), pillar_row(250, 火, 丁酉), pillar_row(250, 土, 己卯), pillar_row(250, 金, 甲子), pillar_row(250, 水, 乙卯),
    // 251 自墓: the pillar of the same sound element at its 墓 stage (earth with water)
    //   reconstructed: the pillar of the sound element at its 墓
    pillar_row(251, 木, 癸未), pillar_row(251, 火, 甲戌), pillar_row(251, 土, 丙辰), pillar_row(251, 金, 乙丑), pillar_row(251, 水, 壬辰),
    // 252 自绝: the pillar of the same sound element at its 绝 stage (earth with water)
    //   reconstructed: the pillar of the sound element at its 绝
    pillar_row(252, 木, 庚申), pillar_row(252, 火, 乙亥), pillar_row(252, 土, 丁巳), pillar_row(252, 金, 壬寅), pillar_row(252, 水, 癸巳),
    // 253 自胎: the pillar of the same sound element at its 胎 stage (earth with water)
    //   reconstructed: the pillar of the sound element at its 胎
    pillar_row(253, 木, 辛酉), pillar_row(253, 火, 戊子), pillar_row(253, 土, 庚午), pillar_row(253, 金, 癸卯), pillar_row(253, 水, 丙午),
    // 254 自养: the pillar of the same sound element at its 养 stage (earth with water)
    //   reconstructed: the pillar of the sound element at its 养
    pillar_row(254, 木, 戊戌), pillar_row(254, 火, 己丑), pillar_row(254, 土, 辛未), pillar_row(254, 金, 庚辰), pillar_row(254, 水, 丁未),
    // 255 三公煞: the pillar of the triad's 长生 branch carrying the triad's own sound element (甲申, 丙寅, 辛巳, 己亥)
    //   reconstructed: the pillar of the triad's 长生 branch with the triad's own sound element
    pillar_row(255, 子, 甲申), pillar_row(255, 丑, 辛巳), pillar_row(255, 寅, 丙寅), pillar_row(255, 卯, 己亥), pillar_row(255, 辰, 甲申),
    pillar_row(255, 巳, 辛巳), pillar_row(255, 午, 丙寅), pillar_row(255, 未, 己亥), pillar_row(255, 申, 甲申), pillar_row(255, 酉, 辛巳),
    pillar_row(255, 戌, 丙寅), pillar_row(255, 亥, 己亥),
    // 256 天狗: the tenth branch after the year
    //   source: 天狗 ten branches after the year, the station of 216 吊客 in the 岁前 twelve
    branch_row(256, 子, 戌), branch_row(256, 丑, 亥), branch_row(256, 寅, 子), branch_row(256, 卯, 丑), branch_row(256, 辰, 寅),
    branch_row(256, 巳, 卯), branch_row(256, 午, 辰), branch_row(256, 未, 巳), branch_row(256, 申, 午), branch_row(256, 酉, 未),
    branch_row(256, 戌, 申), branch_row(256, 亥, 酉),
}};

}  // namespace orvane
