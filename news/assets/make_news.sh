#!/usr/bin/env bash
# Draws the news popup's pictures and writes its page (data/新闻资讯/): the
# window background with its caption band and close mark, ten header
# pictures (one is chosen at each load), and the local news page with its
# two pictures. Drawn at twice the window's size, so they stay sharp on 2x
# screens.
#   news/assets/make_news.sh [data folder]
set -euo pipefail
data=${1:-"$(cd "$(dirname "$0")/../.." && pwd)/data"}
out="$data/新闻资讯"
mkdir -p "$out"
font=/usr/share/fonts/truetype/wqy/wqy-microhei.ttc

# Background: 258 x 261 px. A deep blue face, a darker caption band, a close
# mark in the top right corner (the close control lies over it) and a thin
# frame round the white picture box (left 4, top 24, 245 x 229 px).
convert -size 516x522 gradient:'#2b6ca3'-'#163a5c' \
  -fill '#10304d' -draw 'rectangle 0,0 515,43' \
  -fill '#3d85c6' -draw 'rectangle 0,44 515,45' \
  -stroke '#ffffff' -strokewidth 3 -draw 'stroke-linecap round' \
  -draw 'line 481,9 497,25' -draw 'line 497,9 481,25' \
  -stroke '#8fb8dd' -strokewidth 2 -fill none -draw 'rectangle 5,45 499,507' \
  -define png:exclude-chunks=date,time "PNG24:$out/背景.png"

# Header pictures: 245 x 60 px each, a colour band with a topic and a motif.
topics=(今日要闻 音乐 影视 科技 生活 读书 旅行 体育 健康 美食)
colours=('#c0392b' '#8e44ad' '#2c3e50' '#16a085' '#d35400' '#7f8c8d' '#2980b9' '#27ae60' '#e67e22' '#b03a2e')
for k in $(seq 0 9); do
  c=${colours[$k]}
  convert -size 490x120 "gradient:$c-#ffffff" -rotate -90 -resize 490x120\! \
    -fill 'rgba(255,255,255,0.35)' -draw "circle $((380 + k * 7)),60 $((380 + k * 7)),$((20 + k * 3))" \
    -fill 'rgba(255,255,255,0.25)' -draw "circle $((440 - k * 5)),30 $((440 - k * 5)),$((8 + k))" \
    -font "$font" -fill '#ffffff' -pointsize 36 -annotate +22+58 "璇音坊资讯" \
    -pointsize 26 -annotate +24+100 "${topics[$k]}" \
    -define png:exclude-chunks=date,time "PNG24:$out/标题$k.png"
done

# Two small pictures of the page.
convert -size 160x100 gradient:'#f6d365'-'#fda085' \
  -fill '#ffffff' -draw 'polygon 62,30 62,70 100,50' -define png:exclude-chunks=date,time "PNG24:$out/图片1.png"
convert -size 160x100 gradient:'#a1c4fd'-'#c2e9fb' \
  -fill '#2b6ca3' -draw 'rectangle 30,60 44,80' -draw 'rectangle 56,40 70,80' \
  -draw 'rectangle 82,25 96,80' -draw 'rectangle 108,50 122,80' -define png:exclude-chunks=date,time "PNG24:$out/图片2.png"

cat >"$out/新闻.html" <<'HTML'
<html>
<head><meta charset="utf-8"><title>璇音坊资讯</title></head>
<body style="font-size: 9pt; color: #222222; margin: 0;">
<p style="margin: 0; line-height: 50px;">&nbsp;</p>
<p style="margin: 4px 8px;"><b>璇音坊 10.90 版发布</b><br>
新版本支持把整个文件夹加入播放列表，看图时可以随意缩放和拖动，还能打印喜欢的画面。</p>
<p style="margin: 4px 8px;"><img src="图片1.png" width="80" height="50" align="left">
<b>周末音乐会</b><br>本周末的露天音乐会将在湖边草坪举行，欢迎带上家人朋友一起聆听。</p>
<p style="margin: 4px 8px;"><b>听歌小窍门</b><br>在播放时按住调速按钮，可以慢速欣赏一段旋律，学唱新歌更轻松。</p>
<p style="margin: 4px 8px;"><img src="图片2.png" width="80" height="50" align="left">
<b>本月最受欢迎的歌单</b><br>读者投票选出的十首好歌已经整理成播放列表，下载后即可收听。</p>
<p style="margin: 4px 8px;"><a href="https://xuanyinfang.github.io/news/">更多资讯请访问璇音坊主页</a></p>
</body>
</html>
HTML
