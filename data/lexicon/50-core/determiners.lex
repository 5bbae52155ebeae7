# Determiners. A determiner with-classifier is held back and set before the
# noun with the noun's classifier (这本书, 一辆车); the others are written
# before the noun as they stand, so their text carries its own 的 where
# Chinese needs one. Determiners marked second=exclusive never stand two in
# a row ("the my" is no English).

entry the
  det "" second=exclusive

entry a
  det "一" flags=with-classifier second=exclusive

entry an
  det "一" flags=with-classifier second=exclusive

entry this
  det "这" flags=with-classifier second=exclusive
  pron "这" flags=subject|object
  adv "这么" flags=not-verb-modifier

entry these
  det "这些" second=exclusive
  pron "这些" flags=subject|object

entry those
  det "那些" second=exclusive
  pron "那些" flags=subject|object

entry my
  det "我的" second=exclusive

entry your
  det "你的" second=exclusive

entry its
  det "它的" second=exclusive

entry our
  det "我们的" second=exclusive

entry their
  det "他们的" second=exclusive

entry every
  det "每" flags=with-classifier second=exclusive
  phrase "every day"

entry each
  det "每" flags=with-classifier second=exclusive
  pron "每个" flags=subject|object
  adv "各" flags=mid-position
  phrase "each other"

entry another
  det "另一" flags=with-classifier second=exclusive
  pron "另一个" flags=subject|object
  phrase "one another"

entry either
  det "任何一" flags=with-classifier second=exclusive
  pron "任何一个" flags=subject|object
  adv "也" flags=not-before-adj
  conj "或者"

entry neither
  det "两者都不" second=exclusive
  pron "两者都不" flags=subject|object
  adv "也不" flags=mid-position
  conj "既不"

entry some
  det "一些" second=exclusive
  pron "一些" flags=subject|object
  adv "大约" flags=num-modifier

entry any
  det "任何" second=exclusive
  n "任何一个" codes=C,U
  pron "任何一个" flags=subject|object
  adv "再"

entry no
  det "没有" second=exclusive
  intj "不"
  adv "不"
  phrase "no one"
  phrase "no longer"
  phrase "no more"

entry all
  det "所有"
  adv "都" flags=mid-position|predicative
  n "全部" codes=U
  pron "大家" flags=subject|object
  phrase "all right"
  phrase "after all"
  phrase "at all"
  phrase "all over"

entry both
  both ""
  det "两" flags=with-classifier
  pron "两者" flags=subject|object
  adv "都" flags=mid-position

entry many
  det "许多"
  adj "许多"
  pron "许多人" flags=subject|object

entry much
  det "很多"
  adv "很" flags=not-before-adj
  adj "很多"
  pron "很多" flags=subject|object
  phrase "very much"

entry few
  det "很少"
  adj "少"
  pron "很少" flags=subject|object
  phrase "a few"

entry "a few"
  flags fixed-phrase
  det "几" flags=with-classifier

entry several
  det "几" flags=with-classifier
  adj "几个"
  pron "几个" flags=subject|object

entry enough
  det "足够的"
  adv "足够"
  adj "足够"
  pron "足够" flags=subject|object

entry other
  det "其他"
  adj "其他"
  pron "其他" flags=subject|object
  phrase "each other"

entry others
  pron "其他人" flags=subject|object
  n "其他人" codes=C classes=human

entry own
  det "自己的"
  adj "自己的"
  v "拥有" codes=t1

entry such
  det "这种"
  adj "这样的"
  phrase "such as"

entry half
  det "一半"
  n "一半" codes=C,U classes=quantity
  adv "一半"

entry whatever
  det "无论什么"
  wh "无论什么"

entry same
  adj "相同"
  pron "同样" flags=subject|object
  phrase "at the same time"

entry certain
  adj "某些"
  det "某" flags=with-classifier
