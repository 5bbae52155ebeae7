# Function words of the test lexicon: determiners, auxiliaries, wh-words,
# conjunctions, pronouns, prepositions and adverbs with their flags.

entry the
  det "" flags=0

entry this
  det "这" flags=with-classifier second=exclusive

entry a
  det "一" flags=with-classifier second=exclusive

entry will
  flags single-modal
  aux "将" flags=modal

entry can
  flags single-modal
  aux "能" flags=modal
  n "罐头" codes=C classes=artifact classifier=1
  v "装罐" codes=t1

# A contraction: the first sense's text lists the words that replace it.
entry can't
  flags contraction
  aux "can not" flags=modal|negative

entry have
  aux "" flags=perfect
  v "有" codes=t1

entry be
  be "是"

entry is
  REF "be" form=SINGULAR

entry which
  wh "哪" flags=determiner

entry whose
  wh "谁的" flags=possessive

entry and
  and "和"

entry because
  conj "因为" flags=clause-front

entry I
  pron "我" flags=subject

entry me
  pron "我" flags=object

entry you
  pron "你" flags=subject|object

entry to
  flags to-after-noun
  to ""
  prep "到"

entry 's
  's "的"

entry in
  prep "在" flags=before-verb|not-noun-modifier

entry about
  prep "关于"
  adv "大约" flags=num-modifier

entry quickly
  adv "快" flags=mid-position

entry here
  adv "这里" flags=after-prep|predicative

entry not
  adv "不" flags=verb-bound|not-before-adj

entry there
  there ""

entry ","
  "," "，"

# The possessive: the scanner turns a separate "'s" into "$s".
entry $s
  's "的"
