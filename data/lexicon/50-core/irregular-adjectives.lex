# Irregular comparison: the comparative refers to its base with ER, the
# superlative with EST; generation puts 更 or 最 before the base's text.
# "more", "most" and "less", "least" are words of their own as well. The
# regular forms (bigger, happiest) are found by the spelling rules.

entry good
  adj "好"
  n "好处" codes=U classes=attribute

entry bad
  adj "坏"

entry ill
  adj "生病"
  adv "不好"

entry badly
  adv "糟糕地"
  adv "严重地"

entry far
  adj "远"
  adv "远" flags=predicative
  phrase "so far"

entry little
  adj "小"
  det "很少"
  adv "很少"
  phrase "a little"

entry old
  adj "老"
  adj "旧"
  phrase "how old"

entry late
  adj "晚"
  adv "晚" flags=predicative

entry better
  REF good form=ER
  REF well form=ER

entry best
  REF good form=EST
  REF well form=EST

entry worse
  REF bad form=ER
  REF badly form=ER
  REF ill form=ER

entry worst
  REF bad form=EST
  REF badly form=EST

entry farther
  REF far form=ER

entry farthest
  REF far form=EST

entry further
  REF far form=ER
  adj "进一步的"
  adv "进一步"
  v "促进" codes=t1

entry furthest
  REF far form=EST

entry less
  adv "更少"
  det "更少的"
  adj "更少"
  prep "减去\C"
  phrase "less than"

entry least
  adv "最少"
  det "最少的"
  adj "最少"
  phrase "at least"

entry elder
  adj "年长"
  n "长辈" codes=C classes=human classifier=8

entry eldest
  adj "最年长"

entry latter
  adj "后者的"
  pron "后者" flags=subject|object

entry last
  adj "最后"
  adv "最后"
  v "持续" codes=i0,t1
  phrase "at last"

entry next
  adj "下一"
  adv "接下来"

entry "had better"
  flags fixed-phrase
  aux "最好" flags=modal
