#!/usr/bin/env bash
# Draws the input palettes' tool-bar bitmaps (16x15 images on light grey, which the bar
# draws transparent) and writes their TOOLBAR resources, from one table: each line is a
# resource name and then "command:label" pairs, both names of editor/res/resource.h without
# their IDR_PALETTE_ and ID_PALETTE_ prefixes; "|" stands for a separator. Needs ImageMagick
# and the WenQuanYi font; run it after changing the table and commit what it writes.
set -euo pipefail
repo=$(cd "$(dirname "$0")/.." && pwd)
out=$repo/editor/res/palettes
font=/usr/share/fonts/truetype/wqy/wqy-zenhei.ttc
mkdir -p "$out"
table=$(cat <<'TABLE'
VARIABLE_A LAYOUT_B:长 | YOU:你 I:我 HE:他 | STEM_JIA:甲 STEM_YI:乙 STEM_BING:丙 STEM_DING:丁 STEM_WU:戊 STEM_JI:己 STEM_GENG:庚 STEM_XIN:辛 STEM_REN:壬 STEM_GUI:癸 | BRANCH_ZI:子 BRANCH_CHOU:丑 BRANCH_YIN:寅 BRANCH_MAO:卯 BRANCH_CHEN:辰 BRANCH_SI:巳 BRANCH_WU:午 BRANCH_WEI:未 BRANCH_SHEN:申 BRANCH_YOU:酉 BRANCH_XU:戌 BRANCH_HAI:亥 | METAL:金 WOOD:木 WATER:水 FIRE:火 EARTH:土 | MOUNTAIN:山 FLOWER:花 CLOUD:云 RAIN:雨 SNOW:雪 MORE_NAMES:… | TRIGRAM_QIAN:乾 TRIGRAM_KUN:坤 TRIGRAM_ZHEN:震 TRIGRAM_XUN:巽 TRIGRAM_KAN:坎 TRIGRAM_LI:离 TRIGRAM_GEN:艮 TRIGRAM_DUI:兑
VARIABLE_B LAYOUT_A:甲 CAPITAL_NUMERALS:壹 | ZERO:零 ONE:一 TWO:二 THREE:三 FOUR:四 FIVE:五 SIX:六 SEVEN:七 EIGHT:八 NINE:九 TEN:十 HUNDRED:百 THOUSAND:千 TEN_THOUSAND:万 HUNDRED_MILLION:亿 | YUAN:元 JIAO:角 FEN:分 CUN:寸 CHI:尺 METRE:米 LI:里 JIN:斤 LIANG:两 QIAN:钱 | SUN:日 MOON:月 STAR:星 LUNAR_MANSION:宿 AUTUMN:秋 WINTER:冬 SPRING:春 SUMMER:夏 | DYNASTY_SHANG:商 DYNASTY_ZHOU:周 DYNASTY_QIN:秦 DYNASTY_HAN:汉 DYNASTY_JIN:晋 DYNASTY_SUI:隋 DYNASTY_TANG:唐 DYNASTY_SONG:宋 DYNASTY_YUAN:元 DYNASTY_MING:明 DYNASTY_QING:清
TYPES TYPE_INTEGER:整 TYPE_NATURAL:自 TYPE_DECIMAL:小 TYPE_DOUBLE:双 TYPE_CHARACTER:字 TYPE_BYTE:节 TYPE_STRING:串 TYPE_HANZI:汉 | TYPE_ENUM:枚 TYPE_STRUCT:结 TYPE_UNION:共 TYPE_VOID:无 TYPE_HANDLE:证 TYPE_WINDOW_HANDLE:窗 MORE_TYPES:… | COLOR:色 NULL_POINTER:空
LETTERS_LOWER DIGIT_0:0 DIGIT_1:1 DIGIT_2:2 DIGIT_3:3 DIGIT_4:4 DIGIT_5:5 DIGIT_6:6 DIGIT_7:7 DIGIT_8:8 DIGIT_9:9 | CAPITAL_LETTERS:大 | LETTER_A:a LETTER_B:b LETTER_C:c LETTER_D:d LETTER_E:e LETTER_F:f LETTER_G:g LETTER_H:h LETTER_I:i LETTER_J:j LETTER_K:k LETTER_L:l LETTER_M:m LETTER_N:n LETTER_O:o LETTER_P:p LETTER_Q:q LETTER_R:r LETTER_S:s LETTER_T:t LETTER_U:u LETTER_V:v LETTER_W:w LETTER_X:x LETTER_Y:y LETTER_Z:z | SPACE:␣ | PHONETIC:ㄅ MORE_LETTERS:廿
LETTERS_UPPER DIGIT_0:① DIGIT_1:② DIGIT_2:③ DIGIT_3:④ DIGIT_4:⑤ DIGIT_5:⑥ DIGIT_6:⑦ DIGIT_7:⑧ DIGIT_8:⑨ DIGIT_9:⑩ | CAPITAL_LETTERS:大 | LETTER_A:A LETTER_B:B LETTER_C:C LETTER_D:D LETTER_E:E LETTER_F:F LETTER_G:G LETTER_H:H LETTER_I:I LETTER_J:J LETTER_K:K LETTER_L:L LETTER_M:M LETTER_N:N LETTER_O:O LETTER_P:P LETTER_Q:Q LETTER_R:R LETTER_S:S LETTER_T:T LETTER_U:U LETTER_V:V LETTER_W:W LETTER_X:X LETTER_Y:Y LETTER_Z:Z | FULL_WIDTH_SPACE:全 | PHONETIC:ㄅ MORE_LETTERS:廿
OPERATORS SYMBOL_OPERATORS:符 | ASSIGN:赋 COMMA:， POINT:. STATEMENT_END:。 ENTER:回 BACKSPACE:← | DOUBLE_QUOTES:“ SINGLE_QUOTES:‘ PARENTHESES:() BRACKETS:【 BRACES:{} | ADD:加 SUBTRACT:减 MULTIPLY:乘 DIVIDE:除 MODULO:模 | MORE_OPERATORS:… FORMAT:%
TABLE
)
rc=$out/Palettes.rc
{
  echo '#pragma code_page(65001)'
  echo '// Written by scripts/draw-palettes.sh: the input palettes'"'"' buttons and their images.'
  echo
} >"$rc"
while read -r bar rest; do
  id=IDR_PALETTE_$bar file=palette-${bar,,}.bmp file=${file//_/-}
  images=(); width=16; [ "$bar" = VARIABLE_B ] && width=15
  {
    echo "$id TOOLBAR $width, 15"
    echo "BEGIN"
    for item in $rest; do
      if [ "$item" = "|" ]; then echo "    SEPARATOR"; continue; fi
      command=${item%%:*} label=${item#*:}
      echo "    BUTTON ID_PALETTE_$command"
      png=$(mktemp --suffix=.png)
      size=13; [ ${#label} -gt 1 ] && size=11
      convert -size ${width}x15 xc:'#c0c0c0' -font "$font" -pointsize $size -fill black -gravity center \
        -annotate +0+0 "$label" "$png"
      images+=("$png")
    done
    echo "END"
    echo "$id BITMAP \"editor/res/palettes/$file\""
    echo
  } >>"$rc"
  convert "${images[@]}" +append -type truecolor BMP3:"$out/$file"
  rm -f "${images[@]}"
done <<<"$table"
