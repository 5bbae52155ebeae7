# Numbers: the cardinals to twenty, the tens, the large units and the
# ordinals. A numeral is held back like a determiner and set before the noun
# with the noun's classifier (三本书), so its text is the bare number. Joined
# with a hyphen ("twenty-one") the halves' texts are joined (二十一).

entry zero
  num "零"
  n "零" codes=C classes=quantity

entry one
  num "一"
  n "一个" codes=C
  pron "一个人" flags=subject|object

entry two
  num "两"

entry three
  num "三"

entry four
  num "四"

entry five
  num "五"

entry six
  num "六"

entry seven
  num "七"

entry eight
  num "八"

entry nine
  num "九"

entry ten
  num "十"

entry eleven
  num "十一"

entry twelve
  num "十二"

entry thirteen
  num "十三"

entry fourteen
  num "十四"

entry fifteen
  num "十五"

entry sixteen
  num "十六"

entry seventeen
  num "十七"

entry eighteen
  num "十八"

entry nineteen
  num "十九"

entry twenty
  num "二十"

entry thirty
  num "三十"

entry forty
  num "四十"

entry fifty
  num "五十"

entry sixty
  num "六十"

entry seventy
  num "七十"

entry eighty
  num "八十"

entry ninety
  num "九十"

entry hundred
  num "百"
  n "百" codes=C classes=quantity
  phrase "hundred of"

entry thousand
  num "千"
  n "千" codes=C classes=quantity
  phrase "thousand of"

entry million
  num "百万"
  n "百万" codes=C classes=quantity
  phrase "million of"

entry billion
  num "十亿"
  n "十亿" codes=C classes=quantity

entry trillion
  num "万亿"

entry first
  num "第一"
  adv "首先"
  adj "第一"
  phrase "at first"

entry second
  num "第二"
  n "秒" codes=C classes=time
  adj "第二"

entry third
  num "第三"
  adj "第三"

entry fourth
  num "第四"

entry fifth
  num "第五"

entry sixth
  num "第六"

entry seventh
  num "第七"

entry eighth
  num "第八"

entry ninth
  num "第九"

entry tenth
  num "第十"

entry eleventh
  num "第十一"

entry twelfth
  num "第十二"

entry thirteenth
  num "第十三"

entry fourteenth
  num "第十四"

entry fifteenth
  num "第十五"

entry sixteenth
  num "第十六"

entry seventeenth
  num "第十七"

entry eighteenth
  num "第十八"

entry nineteenth
  num "第十九"

entry twentieth
  num "第二十"

entry thirtieth
  num "第三十"

entry fortieth
  num "第四十"

entry fiftieth
  num "第五十"

entry sixtieth
  num "第六十"

entry seventieth
  num "第七十"

entry eightieth
  num "第八十"

entry ninetieth
  num "第九十"

entry hundredth
  num "第一百"

entry thousandth
  num "第一千"

entry millionth
  num "第一百万"

entry dozen
  n "打" codes=C classes=quantity

entry twice
  adv "两次"

entry thrice
  adv "三次"

entry couple
  n "一对" codes=C classes=group
  v "结合" codes=i0,t1
  phrase "a couple of"

entry "a couple of"
  flags fixed-phrase
  det "几" flags=with-classifier

entry "a number of"
  flags fixed-phrase
  det "一些"

# "hundreds of", "thousands of", "millions of" (the phrases are written
# with the base form, which the plural reads as): a count not said exactly.
entry "hundred of"
  flags fixed-phrase
  det "数百"

entry "thousand of"
  flags fixed-phrase
  det "数千"

entry "million of"
  flags fixed-phrase
  det "数百万"

entry "a series of"
  flags fixed-phrase
  det "一系列"

entry number
  n "数量" codes=C classes=quantity
  n "数字" codes=C classes=quantity context="digit digits figure figures write written"
  n "号码" codes=C classes=communication context="phone telephone call"
  v "给\o编号" codes=t1
  phrase "a number of"
