'use strict';
// Place names as the table carries them, and their GBK form.

// The peoples named in the titles of autonomous counties; a county's common
// name drops them together with 自治县 (孟村回族自治县 -> 孟村).
const PEOPLES = [
  '维吾尔', '柯尔克孜', '乌孜别克', '哈萨克', '塔吉克', '塔塔尔', '俄罗斯', '达斡尔',
  '鄂伦春', '鄂温克', '蒙古', '土家', '布依', '朝鲜', '哈尼', '傈僳', '拉祜', '东乡',
  '纳西', '景颇', '仫佬', '布朗', '撒拉', '毛南', '仡佬', '锡伯', '阿昌', '普米',
  '德昂', '保安', '裕固', '独龙', '赫哲', '门巴', '珞巴', '基诺', '高山', '回', '藏',
  '苗', '彝', '壮', '满', '侗', '瑶', '白', '傣', '黎', '佤', '畲', '水', '羌', '怒',
  '京', '土',
];

function stripPeoples(base) {
  // The last people may stand without 族 (塔什库尔干塔吉克自治县); the ones
  // before it always carry it.
  for (let first = true; ; first = false) {
    const withMark = base.endsWith('族');
    if (!withMark && !first) return base;
    const rest = withMark ? base.slice(0, -1) : base;
    const people = PEOPLES.find((p) => rest.endsWith(p) && rest.length > p.length);
    if (!people) return base;
    base = rest.slice(0, -people.length);
  }
}

// County-level units whose titles end in 区 without being districts of a city:
// the forest region 神农架林区 and special districts such as 六枝特区.
function isRegion(fullName) {
  return fullName === '神农架林区' || fullName.endsWith('特区');
}

// A district of a city keeps its full name (朝阳区); so do banners (旗).
function isDistrict(fullName) {
  return fullName.endsWith('区') && !isRegion(fullName);
}

// The name a place is commonly called by: 安庆市 -> 安庆, 承德县 -> 承德,
// 峨边彝族自治县 -> 峨边, 神农架林区 -> 神农架, 六枝特区 -> 六枝. A one-character
// stem keeps its suffix (献县, 忠县).
function commonName(fullName) {
  if (isDistrict(fullName)) return fullName;
  if (fullName.endsWith('自治县')) return stripPeoples(fullName.slice(0, -3));
  if (isRegion(fullName)) return fullName.slice(0, -2);
  for (const suffix of ['县', '市']) {
    if (fullName.endsWith(suffix) && fullName.length - suffix.length >= 2) {
      return fullName.slice(0, -suffix.length);
    }
  }
  return fullName;
}

// GBK (CP936) encoder built from the decoder Node carries. The private-use
// ranges are left out: a name must consist of real GBK characters.
let gbkMap = null;
function gbkTable() {
  if (gbkMap) return gbkMap;
  gbkMap = new Map();
  const decoder = new TextDecoder('gbk');
  for (let lead = 0x81; lead <= 0xfe; ++lead) {
    for (let trail = 0x40; trail <= 0xfe; ++trail) {
      if (trail === 0x7f) continue;
      const ch = decoder.decode(Uint8Array.of(lead, trail));
      const cp = ch.codePointAt(0);
      if (ch.length !== 1 || ch === '\ufffd' || (cp >= 0xe000 && cp <= 0xf8ff)) continue;
      if (!gbkMap.has(ch)) gbkMap.set(ch, [lead, trail]);
    }
  }
  return gbkMap;
}

function toGbk(text) {
  const bytes = [];
  for (const ch of text) {
    if (ch.codePointAt(0) < 0x80) {
      bytes.push(ch.codePointAt(0));
      continue;
    }
    const pair = gbkTable().get(ch);
    if (!pair) throw new Error(`"${text}": ${ch} is not in GBK`);
    bytes.push(...pair);
  }
  return Buffer.from(bytes);
}

// Order of places within a province: GBK byte order, which is pinyin order for
// the common characters, as the province names themselves are ordered.
function compareGbk(a, b) {
  return Buffer.compare(toGbk(a), toGbk(b));
}

module.exports = { commonName, isDistrict, toGbk, compareGbk };
