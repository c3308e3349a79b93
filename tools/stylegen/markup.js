// 命书模板: the markup of one report template, every section with its field references.
// The look comes from each style's CSS; the markup is the same for all styles, so that
// every style places every field the producers write.
'use strict';

const CN_NUMBERS = '一二三四五六七八九十';

// 1..99 in Chinese numerals, for the section numbers.
function cnNumber(n) {
  if (n <= 10) return CN_NUMBERS.charAt(n - 1);
  const tens = Math.floor(n / 10);
  const units = n % 10;
  return (tens > 1 ? CN_NUMBERS.charAt(tens - 1) : '') + '十' + (units ? CN_NUMBERS.charAt(units - 1) : '');
}

// One template under construction: remembers which fields it references.
class Template {
  constructor() {
    this.used = new Set();
  }
  // A bare reference, for attribute values and places where no wrapper fits.
  ref(n) {
    if (!Number.isInteger(n) || n < 0 || n > 5701) throw new Error(`field ${n} out of range`);
    this.used.add(n);
    return `[${String(n).padStart(4, '0')}]`;
  }
  // Inline field: the script treats a container whose fields are all blank as empty.
  f(n, cls = '') {
    return `<span class="f${cls ? ' ' + cls : ''}">${this.ref(n)}</span>`;
  }
  // Block field: for fields that may hold block HTML (vote buttons, lists with <br>).
  d(n, cls = '') {
    return `<div class="f${cls ? ' ' + cls : ''}">${this.ref(n)}</div>`;
  }
  td(n, cls = '') {
    return `<td class="f${cls ? ' ' + cls : ''}">${this.ref(n)}</td>`;
  }
  vote(n) {
    return `<div class="vote need"><span class="vl">读者认同</span>${this.d(n, 'vv')}</div>`;
  }
}

function section(no, id, title, intro, body) {
  return `
<section class="sec" id="${id}">
<h2><span class="no">${cnNumber(no)}</span><span class="tt">${title}</span></h2>
<div class="inner">
${intro ? `<div class="intro">${intro}</div>\n` : ''}<div class="body">
${body}
</div>
<div class="nodata-note">本项暂无内容。</div>
</div>
</section>`;
}

// 命主资料
function personSection(t, no) {
  const item = (k, v, need = false, id = '') =>
    `<div class="item${need ? ' need' : ''}"${id ? ` id="${id}"` : ''}><span class="k">${k}</span><span class="v">${v}</span></div>`;
  const body = `<div class="kv">
${item('姓名', t.f(101), true)}
${item('性别', t.f(111))}
${item('公历生日', `${t.f(131)}年${t.f(132)}月${t.f(133)}日 ${t.f(134)}时${t.f(135)}分`)}
${item('星期', `星期${t.f(136)}`)}
${item('农历生日', `${t.f(201)}年${t.f(202)}月${t.f(203)} ${t.f(204)}时`)}
${item('星座', t.f(188))}
${item('出生地', `${t.f(121)} ${t.f(122)}`, true, 'place')}
${item('经纬度', `${t.f(126)}${t.f(123)}° ${t.f(127)}${t.f(124)}°`, true, 'coords')}
${item('夏令时', `${t.f(145)}${t.f(146)}分${t.f(147)}秒`)}
${item('经度时差', `${t.f(137)}${t.f(138)}分${t.f(139)}秒`)}
${item('均时差', `${t.f(140)}${t.f(141)}分${t.f(142)}秒`)}
${item('真太阳时', `${t.f(143)}时${t.f(144)}分`)}
${item('日出时辰', `${t.f(125)}时`)}
${item('排盘时间', `${t.f(4901)}年${t.f(4902)}月${t.f(4903)}日 ${t.f(4904)}`)}
</div>`;
  return section(no, 'ziliao', '命主资料', '', body);
}

// 出生前后的节气
function termsSection(t, no) {
  const row = base => `<tr class="need"><td class="f tn">${t.ref(base)}</td><td>农历${t.f(base + 1)}年${t.f(base + 2)}月${t.f(base + 3)}日 ${t.f(base + 4)}时${t.f(base + 5)}分</td></tr>`;
  const body = `<table class="grid terms">
<thead><tr><th>节气</th><th>交节时刻</th></tr></thead>
<tbody>
${[151, 161, 171, 181].map(row).join('\n')}
</tbody>
</table>
<div class="span need">命主生于两中气之间、含${t.f(187, 'em')}之时段：自农历${t.f(189)}年${t.f(190)}月${t.f(191)}日${t.f(192)}时${t.f(193)}分，至农历${t.f(194)}年${t.f(195)}月${t.f(196)}日${t.f(197)}时${t.f(198)}分。</div>`;
  return section(no, 'jieqi', '出生节气', '出生前后的四个节气，月柱以节为界。', body);
}

// 八字命盘: four pillars, the Life Palace and the fetal origin, one 15-field block each
const PILLARS = [
  { base: 301, name: '年柱' },
  { base: 316, name: '月柱' },
  { base: 331, name: '日柱', day: true },
  { base: 346, name: '时柱' },
  { base: 361, name: '命宫', extra: true },
  { base: 376, name: '胎元', extra: true },
];

function hiddenStems(t, first) {
  const line = b => `<div class="hs"><span class="f wx">${t.ref(b)}</span><span class="f he">${t.ref(b + 1)}</span><span class="f hg">${t.ref(b + 2)}</span></div>`;
  return line(first) + line(first + 3) + line(first + 6);
}

function chartSection(t, no) {
  const cls = p => (p.extra ? ' class="xt"' : p.day ? ' class="dc"' : '');
  const row = (label, cell, rowCls = '') =>
    `<tr${rowCls ? ` class="${rowCls}"` : ''}><th>${label}</th>${PILLARS.map(cell).join('')}</tr>`;
  const body = `<table class="chart">
<thead><tr><th class="corner">乾坤</th>${PILLARS.map(p => `<th${cls(p)}>${p.name}</th>`).join('')}</tr></thead>
<tbody>
${row('十神', p => `<td${cls(p)}><span class="f tg${p.day ? ' dm' : ''}">${t.ref(p.base + 2)}</span></td>`, 'r-tg')}
${row('干支', p => `<td${cls(p)}><span class="f gz wx">${t.ref(p.base)}</span></td>`, 'r-gz')}
${row('五行', p => `<td${cls(p)}><span class="f wx">${t.ref(p.base + 1)}</span></td>`, 'r-el')}
${row('藏干', p => `<td${cls(p)}>${hiddenStems(t, p.base + 3)}</td>`, 'r-hs')}
${row('星运', p => `<td${cls(p)}>${t.f(p.base + 12)}</td>`, 'r-st')}
${row('空亡', p => `<td${cls(p)}>${t.f(p.base + 13)}</td>`, 'r-kw')}
${row('纳音', p => `<td${cls(p)}>${t.f(p.base + 14)}</td>`, 'r-ny')}
</tbody>
</table>`;
  return section(no, 'mingpan', '八字命盘', '', body);
}

// 日主强弱与用神
function strengthSection(t, no) {
  const els = ['木', '火', '土', '金', '水'];
  const bars = els.map((e, i) => `<tr><th class="wx">${e}</th><td class="barcell"><div class="bar"><i id="b${705 + i}" class="e${i + 1}"></i></div></td><td class="f num" id="s${705 + i}">${t.ref(705 + i)}</td></tr>`).join('\n');
  const body = `<div class="strength">
<div class="verdict">
<div class="big">日主<span class="f dmv">${t.ref(703)}</span></div>
<div>同类得分 ${t.f(701, 'num')}　异类得分 ${t.f(702, 'num')}</div>
<div class="yong">用神：${t.f(704, 'wx')}</div>
</div>
<table class="bars">
<tbody>
${bars}
</tbody>
</table>
</div>
<div class="span">寒暖值 ${t.f(711, 'num')}（正数偏燥热，负数偏寒湿）<span class="need">；调候宜用：${t.f(712, 'wx')}</span></div>`;
  return section(no, 'qiangruo', '日主强弱与用神', '按月令衡量五行力量：同类（生我、同我）与异类（克我、我生、我克）相较，定日主强弱与喜用。', body);
}

// 大运: summary and eight ten-year periods
function luckSection(t, no) {
  const js = [0, 1, 2, 3, 4, 5, 6, 7];
  const P = j => 411 + 30 * j;
  const row = (label, cell, rowCls = '') =>
    `<tr${rowCls ? ` class="${rowCls}"` : ''}><th>${label}</th>${js.map(j => `<td>${cell(P(j))}</td>`).join('')}</tr>`;
  const body = `<div class="summary">
<div>出生后 ${t.f(401, 'num')} 年 ${t.f(402, 'num')} 个月 ${t.f(403, 'num')} 天起运，每逢 ${t.f(404, 'em')}、${t.f(405, 'em')} 年交脱大运。</div>
<div>交运在${t.f(406, 'em')}后第 ${t.f(407, 'num')} 天，即公历 ${t.f(408, 'num')} 月 ${t.f(409, 'num')} 日前后。</div>
</div>
<div class="scroll">
<table class="luck">
<thead><tr><th class="corner">大运</th>${js.map(j => `<th>${CN_NUMBERS.charAt(j)}运</th>`).join('')}</tr></thead>
<tbody>
${row('岁数', p => `${t.f(p + 5)}-${t.f(p + 6)}岁`, 'r-age')}
${row('起止', p => `<div>${t.f(p - 1)}.${t.f(p)}.${t.f(p + 1)}</div><div class="to">${t.f(p + 2)}.${t.f(p + 3)}.${t.f(p + 4)}</div>`, 'r-yr')}
${row('十神', p => t.f(p + 9, 'tg'), 'r-tg')}
${row('大运', p => t.f(p + 7, 'gz wx'), 'r-gz')}
${row('五行', p => t.f(p + 8, 'wx'), 'r-el')}
${row('藏干', p => hiddenStems(t, p + 10), 'r-hs')}
${row('星运', p => t.f(p + 19), 'r-st')}
${row('纳音', p => t.f(p + 20), 'r-ny')}
${row('神煞', p => t.f(p + 21, 'ss'), 'r-ss')}
</tbody>
</table>
</div>`;
  return section(no, 'dayun', '大运', '大运由月柱顺推或逆推而得，每步管十年：前五年重天干，后五年重地支。', body);
}

// 四柱神煞: 12 positions x 5 sources, then the list of stars found
function starsSection(t, no) {
  const positions = ['年柱', '年干', '年支', '月柱', '月干', '月支', '日柱', '日干', '日支', '时柱', '时干', '时支'];
  const sources = ['年干', '年支', '月支', '日干', '日支'];
  const rows = positions.map((name, p) =>
    `<tr class="need${p % 3 === 0 ? ' grp' : ''}"><th>${name}</th>${sources.map((_, s) => t.td(801 + 5 * p + s, 'ss')).join('')}</tr>`).join('\n');
  const body = `<div class="scroll">
<table class="grid stars">
<thead><tr><th class="corner">所在</th>${sources.map(s => `<th>以${s}查</th>`).join('')}</tr></thead>
<tbody>
${rows}
</tbody>
</table>
</div>
<h3>神煞释义</h3>
${t.d(861, 'starlist')}`;
  return section(no, 'shensha', '四柱神煞', '神煞依年干、年支、月支、日干、日支查得，落于各柱之干、支或整柱。', body);
}

// 性格总论
function temperamentSection(t, no) {
  const items = [];
  for (let n = 4101; n <= 4110; n++) items.push(`<li class="need">${t.f(n)}</li>`);
  const body = `<ul class="points">
${items.join('\n')}
</ul>
${t.vote(4121)}
<div class="daymaster">日主 ${t.f(4111, 'big wx')}，五行属${t.f(4112, 'wx')}。</div>
${t.d(4113, 'para')}
${t.vote(4122)}`;
  return section(no, 'xingge', '性格总论', '', body);
}

// 三命通会日时断
function dayHourSection(t, no) {
  const body = `<div class="lead">${t.f(4001, 'wx')}日 ${t.f(4002, 'wx')}时</div>
<div class="block"><div class="label">日干时支总诀</div>${t.d(4003, 'poem')}</div>
<div class="block"><div class="label">六${t.f(4004)}日${t.f(4005)}时</div>${t.d(4006, 'para')}</div>
<div class="block"><div class="label">${t.f(4007)}日${t.f(4008)}时</div>${t.d(4009, 'para')}</div>
<div class="block"><div class="label">补注</div>${t.d(4010, 'para')}</div>`;
  return section(no, 'rishi', '三命通会日时断', '', body);
}

// 十神定位断诀
function tenGodSection(t, no) {
  const places = [
    ['年干', 4501, 4541], ['年支', 4503, 4542], ['月干', 4505, 4543], ['月支', 4507, 4544],
    ['日支', 4511, 4545], ['时干', 4513, 4546], ['时支', 4515, 4547],
  ];
  const rows = places.map(([name, n, v]) =>
    `<tr class="need"><th>${name}</th>${t.td(n, 'tg')}<td>${t.d(n + 1, 'para')}${t.vote(v)}</td></tr>`).join('\n');
  const body = `<table class="grid verses">
<thead><tr><th>位置</th><th>十神</th><th>断语</th></tr></thead>
<tbody>
${rows}
</tbody>
</table>
<h3>六亲缘分</h3>
<div class="block need"><div class="label">父母：年干${t.f(4521, 'tg')}，月支${t.f(4522, 'tg')}</div>${t.d(4523, 'para')}${t.vote(4548)}</div>
<div class="block need"><div class="label">婚姻：日支${t.f(4531, 'tg')}，月支${t.f(4532, 'tg')}</div>${t.d(4533, 'para')}${t.vote(4549)}</div>`;
  return section(no, 'shishen', '十神定位断诀', '四柱各位的十神所主，及与父母、配偶的缘分。', body);
}

// 六十甲子日柱特例
function dayPillarSection(t, no) {
  const body = `<div class="lead">${t.f(4601, 'wx')}日生人</div>
${t.d(4602, 'para')}
${t.vote(4603)}`;
  return section(no, 'rizhu', '六十甲子日柱特例', '', body);
}

// 称命 (bone weight)
function boneSection(t, no) {
  const body = `<div class="bone">
<div class="weight"><span class="f">${t.ref(4401)}</span>两<span class="f">${t.ref(4402)}</span>钱</div>
<table class="grid parts">
<thead><tr><th>年</th><th>月</th><th>日</th><th>时</th></tr></thead>
<tbody><tr>${[4403, 4404, 4405, 4406].map(n => `<td><span class="f num">${t.ref(n)}</span>钱</td>`).join('')}</tr></tbody>
</table>
</div>
${t.d(4407, 'poem verse')}
${t.vote(4408)}`;
  return section(no, 'chengming', '称命', '按生年、月、日、时的骨重相加，以两、钱计，附称骨歌。', body);
}

// 小儿关煞
function childSection(t, no) {
  return section(no, 'xiaoer', '小儿关煞', '', t.d(5701, 'para dangers'));
}

// 逐年运气, ages 18 to 70: R+2, R+3, R+5 and R+6 carry the producer's size hints (" 2", " 4"),
// kept as data on the row rather than shown.
function yearsLuckSection(t, no) {
  const rows = [];
  for (let k = 0; k <= 52; k++) {
    const R = 5001 + 10 * k;
    rows.push(`<div class="yrow need yr" data-sa="${t.ref(R + 2)}" data-sb="${t.ref(R + 3)}" data-sc="${t.ref(R + 5)}" data-sd="${t.ref(R + 6)}">
<div class="when"><span class="f yv">${t.ref(R + 1)}</span>年<br><span class="f">${t.ref(R)}</span>岁</div>
<div class="what">${t.d(R + 7, 'poem')}${t.d(R + 8, 'forecast')}${t.d(R + 9, 'note')}${t.vote(R + 4)}</div>
</div>`);
  }
  const body = `<div class="yrows">
${rows.join('\n')}
</div>`;
  return section(no, 'jinnian', '逐年运气', '十八岁至七十岁，每年以所行大运与流年天干的十神论断。', body);
}

// 近十二个月运气
function monthsLuckSection(t, no) {
  const rows = [];
  for (let k = 0; k < 12; k++) {
    const R = 4701 + 10 * k;
    rows.push(`<div class="yrow need mrow">
<div class="when"><span class="f yv">${t.ref(R)}</span>年<span class="f sm">${t.ref(R + 1)}</span>月<span class="f">${t.ref(R + 2)}</span>日<br><span class="till">至${t.f(R + 3)}年<span class="em2">次</span>月${t.f(R + 5)}日</span></div>
<div class="what">${t.d(R + 6, 'poem')}${t.d(R + 7, 'forecast')}${t.d(R + 8, 'note')}${t.vote(R + 4)}</div>
</div>`);
  }
  const body = `${t.d(4700, 'notice')}
<div class="yrows">
${rows.join('\n')}
</div>`;
  return section(no, 'jinyue', '近十二个月运气', '以流年、流月天干的十神论当前前后十二个月。', body);
}

// 流年: the 80-row annual table
function annualSection(t, no) {
  const rows = [];
  for (let i = 1; i <= 80; i++) {
    const R = 901 + 10 * (i - 1);
    rows.push(`<tr class="need yr">${t.td(R, 'yv')}${t.td(R + 1, 'gz1 wx')}${t.td(R + 2, 'age')}${t.td(R + 3, 'tg')}${t.td(R + 4, 'wx')}${t.td(R + 5, 'lk wx')}${t.td(R + 6, 'ev')}${t.td(R + 7, 'ss')}</tr>`);
  }
  const body = `<div class="scroll">
<table class="grid annual">
<thead><tr><th>年份</th><th>流年</th><th>岁</th><th>十神</th><th>小运</th><th>大运</th><th>岁运事项</th><th>流年神煞</th></tr></thead>
<tbody>
${rows.join('\n')}
</tbody>
</table>
</div>`;
  return section(no, 'liunian', '流年', '自出生之年起八十年的流年干支、小运、大运及岁运冲合。', body);
}

// 流年流月干支
function monthlySection(t, no) {
  const months = ['寅', '卯', '辰', '巳', '午', '未', '申', '酉', '戌', '亥', '子', '丑'];
  const terms = ['立春', '惊蛰', '清明', '立夏', '芒种', '小暑', '立秋', '白露', '寒露', '立冬', '大雪', '小寒'];
  const rows = [];
  for (let k = 0; k < 80; k++) {
    const R = 2001 + 20 * k;
    const cells = [];
    for (let j = 2; j <= 13; j++) cells.push(t.td(R + j, 'wx'));
    rows.push(`<tr class="need yr${(k + 1) % 10 === 0 ? ' dec' : ''}">${t.td(R, 'yv')}${t.td(R + 1, 'gz1 wx')}${cells.join('')}</tr>`);
  }
  const body = `<div class="scroll">
<table class="grid monthly">
<thead><tr><th>年份</th><th>流年</th>${months.map((m, i) => `<th>${m}月<small>${terms[i]}</small></th>`).join('')}</tr></thead>
<tbody>
${rows.join('\n')}
</tbody>
</table>
</div>`;
  return section(no, 'liuyue', '流年流月干支', '每年自立春起的十二个月干支，月以节为界。', body);
}

const SECTIONS = [
  { id: 'ziliao', short: '资料', make: personSection },
  { id: 'mingpan', short: '命盘', make: chartSection },
  { id: 'jieqi', short: '节气', make: termsSection },
  { id: 'qiangruo', short: '强弱', make: strengthSection },
  { id: 'dayun', short: '大运', make: luckSection },
  { id: 'shensha', short: '神煞', make: starsSection },
  { id: 'xingge', short: '性格', make: temperamentSection },
  { id: 'rishi', short: '日时', make: dayHourSection },
  { id: 'shishen', short: '十神', make: tenGodSection },
  { id: 'rizhu', short: '日柱', make: dayPillarSection },
  { id: 'chengming', short: '称命', make: boneSection },
  { id: 'xiaoer', short: '关煞', make: childSection },
  { id: 'jinnian', short: '逐年', make: yearsLuckSection },
  { id: 'jinyue', short: '近月', make: monthsLuckSection },
  { id: 'liunian', short: '流年', make: annualSection },
  { id: 'liuyue', short: '流月', make: monthlySection },
];

function masthead(t, style) {
  const pillars = [301, 316, 331, 346].map(n => `<span class="f gz wx">${t.ref(n)}</span>`).join('');
  return `<header class="mast">
<div class="seal">${style.seal}</div>
<div class="titles">
<h1>${style.heading}</h1>
<div class="who"><span class="f nm">${t.ref(101)}</span><span class="f">${t.ref(111)}</span>命</div>
<div class="born">公历 ${t.f(131)}年${t.f(132)}月${t.f(133)}日 ${t.f(134)}时${t.f(135)}分生　农历 ${t.f(201)}年${t.f(202)}月${t.f(203)} ${t.f(204)}时</div>
</div>
<div class="mini">${pillars}</div>
</header>`;
}

function toc() {
  return `<nav class="toc">${SECTIONS.map(s => `<a href="#${s.id}">${s.short}</a>`).join('')}</nav>`;
}

function footer(t) {
  return `<footer class="foot">
<div>命盘编码：${t.f(1, 'code')}</div>
<div>排盘于 ${t.f(4901)}年${t.f(4902)}月${t.f(4903)}日 ${t.f(4904)}</div>
<div class="motto">命理学的可贵不只在于能算得准，而更在于研究如何改善人生！</div>
</footer>`;
}

// The whole template of one style, as UTF-8 text, and the set of fields it references.
function buildTemplate(style, css, script, generatorLine) {
  const t = new Template();
  const sections = SECTIONS.map((s, i) => s.make(t, i + 1)).join('\n');
  const html = `<!-- ${generatorLine} -->
<!DOCTYPE html>
<html lang="zh-CN">
<head>
<meta charset="gbk">
<meta name="viewport" content="width=device-width, initial-scale=1">
<title>${style.heading}</title>
<style>
${css}
</style>
</head>
<body class="s${style.id}">
<div class="page">
${masthead(t, style)}
${style.toc ? toc() : ''}
<main>
${sections}
</main>
${footer(t)}
</div>
<script>
${script}
</script>
</body>
</html>
`;
  return { html, used: t.used };
}

function buildIndex(style, generatorLine) {
  return `<!-- ${generatorLine} -->
<!DOCTYPE html>
<html lang="zh-CN">
<head>
<meta charset="gbk">
<title>${style.heading}</title>
<style>
html, body { margin: 0; height: 100%; overflow: hidden; background: #fff; }
iframe { display: block; border: 0; width: 100%; height: 100%; }
</style>
</head>
<body>
<iframe src="right.htm" name="right" title="${style.heading}"></iframe>
</body>
</html>
`;
}

module.exports = { buildTemplate, buildIndex, SECTIONS };
