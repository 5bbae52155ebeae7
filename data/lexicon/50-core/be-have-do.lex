# "be", "have" and "do" and all their forms. The forms refer to the base
# word with their form flags: S for the third person -s form, SINGULAR and
# PLURAL for the other present forms of "be", ED for a past tense that is no
# participle, EN for a participle that is no past tense, PAST for a form
# that is both, ING for the -ing form.

entry be
  be "是"
  aux "" flags=progressive

entry am
  REF be form=SINGULAR

entry is
  REF be form=S

# Capitalised, "Is" would be taken for "I" with an -s ending before its
# lower-case form is tried.
entry Is
  REF be form=S

entry are
  REF be form=PLURAL

entry was
  REF be form=ED

entry were
  REF be form=ED

entry been
  REF be form=EN

entry being
  REF be form=ING
  n "生物" codes=C classes=thing

entry have
  aux "" flags=perfect
  v "有" codes=t1
  v "吃" codes=t1 constraints=1
  v "让\o" codes=v2,v8
  phrase "have to"

entry has
  REF have form=S

entry had
  REF have form=PAST
  phrase "had better"

entry having
  REF have form=ING

entry do
  aux "" flags=modal
  v "做" codes=t1,i0

entry does
  REF do form=S

entry did
  REF do form=ED

entry done
  REF do form=EN
  adj "完成了"

entry doing
  REF do form=ING
