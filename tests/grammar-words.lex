# A small lexicon for the tests of the word rules and the parser, apart
# from the shipped one: the words the rules name, and enough of each word
# class for the constructions under test. The equivalents are pinyin, so the
# file is plain ASCII.

class-name 0 none
class-name 1 thing
class-name 2 time
class-name 3 place
class-name 4 animal
class-name 5 human

# ---- determiners and pronouns
entry the
  det "" second=exclusive
entry a
  det "yi" flags=with-classifier second=exclusive
entry my
  det "wode" second=exclusive
entry all
  det "suoyou"
  adv "dou" flags=mid-position|predicative
  n "quanbu" codes=U
  pron "dajia" flags=subject|object
entry both
  both ""
  det "liang" flags=with-classifier
entry no
  det "meiyou" second=exclusive
  adv "bu"
entry that
  that ""
  det "na" flags=with-classifier second=exclusive
  pron "na" flags=subject|object
entry this
  det "zhe" flags=with-classifier second=exclusive
  pron "zhe" flags=subject|object
entry his
  det "tade" second=exclusive
  pron "tade" flags=subject|object
entry I
  pron "wo" flags=subject
entry me
  pron "wo" flags=object
entry you
  pron "ni" flags=subject|object
entry he
  pron "ta" flags=subject
entry him
  pron "ta" flags=object
entry it
  pron "ta" flags=subject|object
entry they
  pron "tamen" flags=subject

# ---- auxiliaries, "be", "have", "do"
entry be
  be "shi"
  aux "" flags=progressive
entry is
  REF be form=S
entry are
  REF be form=PLURAL
entry was
  REF be form=ED
entry been
  REF be form=EN
entry have
  aux "" flags=perfect
  v "you" codes=t1
entry has
  REF have form=S
entry do
  aux "" flags=modal
  v "zuo" codes=t1,i0
entry will
  flags single-modal
  aux "jiang" flags=modal
  n "yizhi" codes=U
entry can
  flags single-modal
  aux "neng" flags=modal
  n "guantou" codes=C
  v "zhuangguan" codes=t1
entry can't
  aux "buneng" flags=modal|negative
entry need
  flags single-modal
  aux "xuyao" flags=modal
  v "xuyao" codes=t1

# ---- function words with categories of their own
entry to
  flags to-after-noun
  to ""
  prep "dao"
entry there
  there ""
  adv "nali" flags=predicative|after-prep
entry as
  as ""
  prep "zuowei" flags=before-verb
  conj "yinwei" flags=clause-front
entry and
  and "he"
entry if
  if ""
  conj "ruguo" flags=clause-front
entry because
  conj "yinwei" flags=clause-front
entry so
  conj "suoyi"
  adv "zheme"
entry who
  wh "shui"
entry which
  wh "na" flags=determiner
entry what
  wh "shenme" flags=determiner
entry when
  wh "shenmeshihou"
  conj "dang" flags=clause-front

# ---- prepositions and adverbs
entry of
  prep "de"
entry in
  prep "zai" flags=before-verb
entry on
  prep "zai" flags=before-verb
entry about
  prep "guanyu"
  adv "dayue" flags=num-modifier
entry not
  adv "bu" flags=mid-position|not-before-adj
entry very
  adv "hen"
entry quickly
  adv "kuai"
entry quite
  adv "xiangdang"
entry most
  adv "zui"
  phrase "the most"
entry "the most"
  flags fixed-phrase
  adv "zui"
  det "zuiduo"

# ---- punctuation
entry ","
  "," "douhao"
entry (
  "," "kuohao"
entry )
  "," "kuohao"
entry "\""
  "\"" "\""
entry ?
  ? "wenhao"
entry $s
  's "de"

# ---- numbers, nouns, adjectives, verbs
entry one
  num "yi"
  n "yige" codes=C
entry ten
  num "shi"
entry people
  n "ren" codes=C classes=human
  handler plural
entry house
  n "fangzi" codes=C classes=thing
  v "zhu" codes=t1
entry dog
  n "gou" codes=C classes=thing
entry bank
  n "yinhang" codes=C
entry manager
  n "jingli" codes=C classes=human
entry John
  n "yuehan" codes=PN classes=human
entry Mary
  n "mali" codes=PN classes=human
entry day
  n "tian" codes=C classes=time
entry present
  n "liwu" codes=C
  adj "zaichang"
  v "chengxian" codes=t1
entry green
  adj "lü"
  n "lüse" codes=C
entry egg
  n "jidan" codes=C
entry ham
  n "huotui" codes=U
entry big
  adj "da"
entry ready
  adj "zhunbeihao"
entry happy
  adj "kuaile"
entry like
  v "xihuan" codes=t1
  prep "xiang"
  conj "xiang"
  adj "xiangsi"
entry deny
  v "fouren" codes=t1,t4
entry go
  v "qu" codes=i0
entry come
  flags base-is-participle
  v "lai" codes=i0
entry eat
  v "chi" codes=t1,i0
entry ate
  REF eat form=ED
entry eaten
  REF eat form=EN
entry see
  v "kanjian" codes=t1,t5
entry saw
  REF see form=ED
entry think
  v "renwei" codes=t5
entry want
  v "yao" codes=t1,t3
entry fish
  n "yu" codes=C,U
  v "diaoyu" codes=i0
entry swim
  v "youyong" codes=i0
entry look
  v "kan" codes=i0
entry after
  prep "zhihou" flags=before-verb
  phrase "look after"
entry "look after"
  v "zhaogu" codes=t1
