# Prepositions. `before-verb` puts the prepositional phrase before the verb
# in Chinese (在桌子上放着); without it the phrase follows the verb (走进房间).
# `not-noun-modifier` keeps the phrase from modifying a noun. Where Chinese
# wraps the object in a frame, the slot marker \C stands for the object
# (在\C上 gives 在桌子上); a text without a marker gets the object after it.
# "to", "as", "like", "about", "than", "before", "after", "since", "until",
# "for" and "but" have further categories and stand with the rule words and
# the conjunctions.

entry of
  prep ""
  phrase "of course"
  phrase "a lot of"
  phrase "lots of"
  phrase "because of"
  phrase "in front of"
  phrase "in spite of"
  phrase "instead of"
  phrase "as of"
  phrase "hundred of"
  phrase "thousand of"
  phrase "million of"
  phrase "a series of"
  phrase "out of"
  phrase "ahead of"
  phrase "on top of"
  phrase "in charge of"
  phrase "a couple of"
  phrase "a number of"
  phrase "plenty of"
  phrase "in terms of"
  phrase "on behalf of"
  phrase "as a result of"
  phrase "in the middle of"
  phrase "at the end of"
  phrase "at the beginning of"
  phrase "a piece of"
  phrase "a cup of"
  phrase "a glass of"
  phrase "take care of"
  phrase "terms of use"


entry in
  prep "在\C里" flags=before-verb
  adv "在" flags=predicative
  phrase "in fact"
  phrase "in time"
  phrase "in addition"
  phrase "in general"
  phrase "in particular"
  phrase "in public"
  phrase "in order to"
  phrase "in the morning"
  phrase "in the afternoon"
  phrase "in the evening"
  phrase "believe in"
  phrase "take part in"
  phrase "sign in"
  phrase "log in"



entry on
  prep "在\C上" flags=before-verb
  adv "继续" flags=predicative
  phrase "on time"
  phrase "on foot"
  phrase "on purpose"
  phrase "put on"
  phrase "turn on"
  phrase "go on"
  phrase "carry on"
  phrase "keep on"
  phrase "try on"
  phrase "depend on"
  phrase "base on"








entry at
  prep "在\C" flags=before-verb
  phrase "at least"
  phrase "at the time"
  phrase "at last"
  phrase "at first"
  phrase "at once"
  phrase "at all"
  phrase "at most"
  phrase "at present"
  phrase "at home"
  phrase "at night"
  phrase "at the same time"
  phrase "look at"
  phrase "laugh at"
  phrase "arrive at"




entry under
  prep "在\C下" flags=before-verb
  adv "在下面" flags=predicative

entry underneath
  prep "在\C下面" flags=before-verb
  adv "在下面"

entry beneath
  prep "在\C下面" flags=before-verb

entry below
  prep "在\C下面" flags=before-verb
  adv "在下面" flags=predicative|after-prep

entry above
  prep "在\C上面" flags=before-verb
  adv "在上面" flags=predicative|after-prep

entry over
  prep "在\C上方" flags=before-verb
  adv "结束" flags=predicative
  phrase "all over"

entry behind
  prep "在\C后面" flags=before-verb
  adv "在后面" flags=predicative|after-prep

entry beside
  prep "在\C旁边" flags=before-verb

entry besides
  prep "除了\C以外" flags=before-verb
  adv "此外"

entry near
  prep "在\C附近" flags=before-verb
  adj "近"
  adv "附近" flags=predicative
  v "接近" codes=i0,t1

entry between
  prep "在\C之间" flags=before-verb

entry among
  prep "在\C之中" flags=before-verb

entry amongst
  prep "在\C之中" flags=before-verb

entry amid
  prep "在\C之中" flags=before-verb

entry inside
  prep "在\C里面" flags=before-verb
  adv "在里面" flags=predicative|after-prep
  n "里面" codes=U classes=place

entry outside
  prep "在\C外面" flags=before-verb
  adv "在外面" flags=predicative|after-prep
  n "外面" codes=U classes=place

entry around
  prep "在\C周围" flags=before-verb
  adv "大约" flags=num-modifier
  phrase "turn around"


entry round
  prep "在\C周围" flags=before-verb
  adj "圆"
  n "一轮" codes=C classes=event

entry opposite
  prep "在\C对面" flags=before-verb
  adj "相反"
  n "对立面" codes=C,U classes=communication,relation,human

entry across
  prep "穿过\C"
  adv "对面" flags=predicative

entry through
  prep "通过\C"
  adv "完" flags=predicative

entry throughout
  prep "遍及\C"
  adv "到处"

entry along
  prep "沿着\C" flags=before-verb
  adv "向前"
  phrase "along with"

entry into
  prep "进\C"

entry onto
  prep "到\C上"

entry toward
  prep "朝着\C" flags=before-verb

entry towards
  prep "朝着\C" flags=before-verb

entry from
  prep "从\C" flags=before-verb
  phrase "apart from"
  phrase "away from"
  phrase "from now on"
  phrase "come from"


entry with
  prep "和\C" flags=before-verb
  phrase "along with"
  phrase "together with"
  phrase "deal with"
  phrase "agree with"



entry without
  prep "没有\C" flags=before-verb

entry within
  prep "在\C之内" flags=before-verb

entry by
  prep "被\C" flags=before-verb
  adv "经过"
  phrase "by the way"

entry during
  prep "在\C期间" flags=before-verb|not-noun-modifier

entry despite
  prep "尽管\C" flags=before-verb|not-noun-modifier

entry except
  prep "除了\C" flags=before-verb

entry against
  prep "反对\C"

entry beyond
  prep "超出\C"

entry upon
  prep "在\C上" flags=before-verb

entry off
  prep "离开\C"
  adv "离开" flags=predicative
  adj "关着"
  phrase "take off"
  phrase "turn off"
  phrase "get off"
  phrase "set off"
  phrase "put off"






entry via
  prep "经由\C" flags=before-verb

entry per
  prep "每\C"

entry plus
  prep "加上\C"

entry minus
  prep "减去\C"

entry including
  prep "包括\C"

entry regarding
  prep "关于\C" flags=before-verb

entry concerning
  prep "关于\C" flags=before-verb

entry unlike
  prep "不像\C" flags=before-verb

entry past
  prep "经过\C"
  adj "过去的"
  n "过去" codes=U classes=time

entry up
  adv "上" flags=predicative|after-prep
  prep "沿着\C往上" flags=before-verb
  phrase "look up"
  phrase "give up"
  phrase "get up"
  phrase "wake up"
  phrase "pick up"
  phrase "stand up"
  phrase "grow up"
  phrase "set up"
  phrase "make up"
  phrase "hang up"
  phrase "show up"
  phrase "shut up"
  phrase "clean up"
  phrase "hurry up"
  phrase "cheer up"
  phrase "end up"
  phrase "bring up"
  phrase "sign up"


















entry down
  adv "下" flags=predicative|after-prep
  prep "沿着\C往下" flags=before-verb
  phrase "sit down"
  phrase "lie down"
  phrase "calm down"
  phrase "slow down"
  phrase "break down"
  phrase "write down"
  phrase "put down"
  phrase "fall down"









entry out
  adv "出" flags=predicative|after-prep
  phrase "out of"
  phrase "find out"
  phrase "go out"
  phrase "get out"
  phrase "come out"
  phrase "run out"
  phrase "work out"
  phrase "figure out"
  phrase "log out"
  phrase "sign out"








entry away
  adv "离开" flags=predicative|after-prep
  phrase "away from"
  phrase "go away"
  phrase "run away"
  phrase "throw away"
  phrase "put away"
  phrase "take away"






entry back
  adv "回" flags=predicative|after-prep
  n "背" codes=C classes=body
  v "支持" codes=t1,x9
  v "后退" codes=i0
  phrase "come back"
  phrase "go back"
  phrase "get back"
  phrase "give back"
  phrase "call back"
  phrase "back to top"





