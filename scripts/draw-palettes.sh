#!/usr/bin/env bash
# Draws the input palettes' tool-bar bitmaps (16x15 images on light grey, which the bar
# draws transparent) and writes their TOOLBAR resources, from one table: each line is a
# resource id, then "command:label" pairs; "|" stands for a separator. Needs ImageMagick and
# the WenQuanYi font; run it after changing the table and commit what it writes.
set -euo pipefail
repo=$(cd "$(dirname "$0")/.." && pwd)
out=$repo/editor/res/palettes
font=/usr/share/fonts/truetype/wqy/wqy-zenhei.ttc
mkdir -p "$out"
table=$(cat <<'TABLE'
234 33115:长 | 32963:你 32964:我 32965:他 | 32966:甲 33017:乙 33018:丙 32969:丁 32970:戊 32971:己 32972:庚 32973:辛 32974:壬 33019:癸 | 32976:子 32977:丑 32978:寅 32979:卯 32980:辰 32981:巳 32982:午 32983:未 32984:申 32985:酉 32986:戌 32987:亥 | 33020:金 33021:木 33022:水 33023:火 33024:土 | 33005:山 33006:花 33007:云 33236:雨 33008:雪 33200:… | 33009:乾 33010:坤 33011:震 33012:巽 33013:坎 33014:离 33015:艮 33016:兑
240 33125:甲 33117:壹 | 33107:零 33097:一 33098:二 33099:三 33100:四 33101:五 33102:六 33103:七 33104:八 33105:九 33106:十 33108:百 33109:千 33110:万 33111:亿 | 33112:元 33113:角 33114:分 33215:寸 33214:尺 33210:米 33211:里 33212:斤 33213:两 33216:钱 | 33224:日 33225:月 33226:星 33227:宿 33228:秋 33229:冬 33230:春 33231:夏 | 33232:商 33233:周 33234:秦 33235:汉 33217:晋 33218:隋 33219:唐 33220:宋 33221:元 33222:明 33223:清
236 33028:整 33034:自 33027:小 33035:双 33029:字 33032:节 33031:串 33030:汉 | 33036:枚 33037:结 33038:共 33047:无 33039:证 33053:窗 33203:… | 33204:色 33040:空
238 33058:0 33059:1 33060:2 33061:3 33062:4 33063:5 33064:6 33065:7 33066:8 33067:9 | 33094:大 | 33068:a 33069:b 33070:c 33071:d 33072:e 33073:f 33074:g 33075:h 33076:i 33077:j 33078:k 33079:l 33080:m 33081:n 33082:o 33083:p 33084:q 33085:r 33086:s 33087:t 33088:u 33089:v 33090:w 33091:x 33092:y 33093:z | 33208:␣ | 33201:ㄅ 33238:廿
246 33058:① 33059:② 33060:③ 33061:④ 33062:⑤ 33063:⑥ 33064:⑦ 33065:⑧ 33066:⑨ 33067:⑩ | 33094:大 | 33068:A 33069:B 33070:C 33071:D 33072:E 33073:F 33074:G 33075:H 33076:I 33077:J 33078:K 33079:L 33080:M 33081:N 33082:O 33083:P 33084:Q 33085:R 33086:S 33087:T 33088:U 33089:V 33090:W 33091:X 33092:Y 33093:Z | 33207:全 | 33201:ㄅ 33238:廿
242 33116:符 | 33045:赋 33055:， 33206:. 33046:。 33199:回 33050:← | 33056:“ 33057:‘ 33118:() 33119:【 33120:{} | 33041:加 33042:减 33043:乘 33044:除 33052:模 | 33205:… 33123:%
TABLE
)
rc=$out/Palettes.rc
{
  echo '#pragma code_page(65001)'
  echo '// Written by scripts/draw-palettes.sh: the input palettes'"'"' buttons and their images.'
  echo
} >"$rc"
while read -r id rest; do
  images=(); width=16; [ "$id" = 240 ] && width=15
  {
    echo "$id TOOLBAR $width, 15"
    echo "BEGIN"
    for item in $rest; do
      if [ "$item" = "|" ]; then echo "    SEPARATOR"; continue; fi
      command=${item%%:*} label=${item#*:}
      echo "    BUTTON $command"
      png=$(mktemp --suffix=.png)
      size=13; [ ${#label} -gt 1 ] && size=11
      convert -size ${width}x15 xc:'#c0c0c0' -font "$font" -pointsize $size -fill black -gravity center \
        -annotate +0+0 "$label" "$png"
      images+=("$png")
    done
    echo "END"
    echo "$id BITMAP \"editor/res/palettes/Palette$id.bmp\""
    echo
  } >>"$rc"
  convert "${images[@]}" +append -type truecolor BMP3:"$out/Palette$id.bmp"
  rm -f "${images[@]}"
done <<<"$table"
