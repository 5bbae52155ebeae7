# A small lexicon for the generation tests: enough words in Chinese (GBK)
# for the noun phrase, the clause and the sentence marks, apart from the
# shipped lexicon.

class-name 0 none
class-name 1 thing
class-name 2 time
class-name 3 place
class-name 4 animal
class-name 5 human
class-name 6 c6
class-name 7 c7
class-name 8 c8
class-name 9 c9
class-name 10 c10
class-name 11 c11
class-name 12 c12
class-name 13 c13
class-name 14 c14
class-name 15 c15
class-name 16 c16
class-name 17 c17
class-name 18 c18
class-name 19 c19
class-name 20 c20
class-name 21 c21
class-name 22 c22
class-name 23 c23
class-name 24 c24
class-name 25 c25
class-name 26 c26
class-name 27 vehicle
class-name 28 c28
class-name 29 c29
class-name 30 c30
class-name 31 c31
class-name 32 c32
class-name 33 c33
class-name 34 c34
class-name 35 c35
class-name 36 act
aux-name 0 ""
aux-name 1 "个"
aux-name 2 "本"
aux-name 3 "只"
aux-name 4 "个"
aux-name 5 "个"
aux-name 6 "个"
aux-name 7 "个"
aux-name 8 "个"
aux-name 9 "个"
aux-name 10 "个"
aux-name 11 "个"
aux-name 12 "个"
aux-name 13 "个"
aux-name 14 "个"
aux-name 15 "个"
aux-name 16 "个"
aux-name 17 "个"
aux-name 18 "个"
aux-name 19 "个"
aux-name 20 "个"
aux-name 21 "个"
aux-name 22 "个"
aux-name 23 "个"
aux-name 24 "个"
aux-name 25 "个"
aux-name 26 "个"
aux-name 27 "个"
aux-name 28 "个"
aux-name 29 "个"
aux-name 30 "个"
aux-name 31 "个"
aux-name 32 "个"
aux-name 33 "个"
aux-name 34 "个"
aux-name 35 "个"
aux-name 36 "个"
aux-name 37 "个"
aux-name 38 "个"
aux-name 39 "个"
aux-name 40 "个"
aux-name 41 "个"
aux-name 42 "个"
aux-name 43 "个"
aux-name 44 "个"
aux-name 45 "个"
aux-name 46 "个"
aux-name 47 "个"
aux-name 48 "个"
aux-name 49 "个"
aux-name 50 "个"
aux-name 51 "-"

entry the
  det "" second=exclusive
entry a
  det "一" flags=with-classifier second=exclusive
entry this
  det "这" flags=with-classifier second=exclusive
entry my
  det "我的" second=exclusive
entry no
  det "没有" second=exclusive
entry I
  pron "我" flags=subject
entry he
  pron "他" flags=subject
entry him
  pron "他" flags=object
entry it
  pron "它" flags=subject|object
entry be
  be "是"
  aux "" flags=progressive
entry is
  REF be form=S
entry was
  REF be form=ED
entry have
  aux "" flags=perfect
  v "有" codes=t1
entry has
  REF have form=S
entry do
  aux "" flags=modal
  v "做" codes=t1,i0
entry did
  REF do form=ED
entry can
  aux "能" flags=modal
entry not
  adv "不" flags=mid-position|not-before-adj
entry very
  adv "非常"
entry ","
  "," "，"

entry and
  and "和"
entry of
  prep ""
entry in
  prep "在\C里" flags=before-verb
entry on
  prep "在\C上" flags=before-verb
entry by
  prep "被\C" flags=before-verb
entry to
  to ""
  prep "到\C"
entry who
  wh "谁"
entry what
  wh "什么" flags=determiner
entry book
  n "书" codes=C classes=thing classifier=2
entry cat
  n "猫" codes=C classes=animal classifier=3
entry dog
  n "狗" codes=C classes=animal classifier=3
entry day
  n "天" codes=C classes=time classifier=51
entry table
  n "桌子" codes=C classes=thing classifier=1
entry room
  n "房间" codes=C classes=place
entry age
  n "年龄" codes=C,U classes=thing
entry time
  n "时间" codes=U classes=time
  n "次" codes=C classes=time
entry bank
  n "银行" codes=C classes=place domain=1 context="money loan"
  n "岸" codes=C classes=place domain=2 context="river water"
entry money
  n "钱" codes=U classes=thing domain=1
entry river
  n "河" codes=C classes=place domain=2
entry Mary
  n "玛丽" codes=PN classes=human
entry red
  adj "红"
entry big
  adj "大"
entry beautiful
  adj "美丽"
entry happy
  adj "快乐"
entry three
  num "三"
entry twenty
  num "二十"
entry see
  v "看见" codes=t1
entry saw
  REF see form=ED
entry eat
  v "吃" codes=t1,i0
entry eaten
  REF eat form=EN
entry eats
  REF eat form=S
entry go
  v "去" codes=i0
entry put
  flags base-is-past base-is-participle
  v "放\o" codes=t1 pos="在"
entry run
  v "跑" codes=i0
entry running
  REF run form=ING
entry where
  wh "哪里"
entry how
  wh "怎么"
entry are
  REF be form=PLURAL
entry you
  pron "你" flags=subject|object
entry heavy
  adj "重"
entry know
  v "知道" codes=t1,t5,t6
entry say
  v "说" codes=t1,t5
entry said
  REF say form=PAST
entry nothing
  n "没有什么" codes=U classes=thing
entry close
  v "关" codes=t1,i0
entry closed
  REF close form=PAST
entry believe
  v "相信" codes=t1,t5
entry believed
  REF believe form=PAST
entry local
  adj "当地"
