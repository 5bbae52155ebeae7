# Auxiliaries and modals. The class says what the verb after them must be:
# `modal` a base form, `perfect` a past participle, `progressive` an -ing
# form or a past participle. `single-modal` on a modal forbids a second modal
# before the same verb ("will can go"). "be", "have" and "do" are in
# be-have-do.lex, the negative forms in contractions.lex.

entry will
  flags single-modal
  aux "会" flags=modal
  n "意志" codes=U classes=feeling
  n "遗嘱" codes=C classes=communication classifier=30

entry would
  flags single-modal
  aux "会" flags=modal
  phrase "would like"
  phrase "would rather"

entry shall
  flags single-modal
  aux "将" flags=modal

entry should
  flags single-modal
  aux "应该" flags=modal

entry can
  flags single-modal
  aux "可以" flags=modal
  n "罐头" codes=C classes=artifact classifier=1
  v "把\o装罐" codes=t1

entry could
  flags single-modal
  aux "能" flags=modal

entry may
  flags single-modal
  aux "可能会" flags=modal

entry might
  flags single-modal
  aux "可能会" flags=modal
  n "力量" codes=U classes=attribute

entry must
  flags single-modal
  aux "必须" flags=modal

entry ought
  flags single-modal
  aux "应该" flags=modal
  phrase "ought to"

entry need
  flags single-modal
  aux "需要" flags=modal
  v "需要" codes=t1,t3,t4
  n "需要" codes=C,U classes=state

entry dare
  flags single-modal
  aux "敢" flags=modal
  v "敢" codes=t3,t1

entry used
  REF use form=PAST
  adj "用过的"
  phrase "used to"

entry "ought to"
  flags fixed-phrase
  aux "应该" flags=modal

entry "have to"
  flags fixed-phrase keep-start-form
  aux "必须" flags=modal

entry "used to"
  flags fixed-phrase
  aux "过去常常" flags=modal

entry "would like"
  flags fixed-phrase
  v "想要" codes=t1,t3

entry "would rather"
  flags fixed-phrase
  aux "宁愿" flags=modal
