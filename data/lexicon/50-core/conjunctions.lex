# Conjunctions. `clause-front` puts the conjunction and its clause at the
# front of the clause it depends on (因为下雨，我们留在家里); without it the
# clause keeps its English place. The slot marker \C stands for the clause
# (当\C的时候 gives 当他来的时候).

entry because
  conj "因为" flags=clause-front
  phrase "because of"

entry although
  conj "尽管" flags=clause-front

entry though
  conj "虽然" flags=clause-front
  adv "不过"
  phrase "even though"
  phrase "as though"

entry unless
  conj "除非" flags=clause-front

entry while
  conj "\C时" flags=clause-front
  n "一会儿" codes=C classes=time

entry whereas
  conj "而"

entry whether
  conj "是否"

entry once
  conj "一旦" flags=clause-front
  adv "一次"
  phrase "at once"
  phrase "once more"

entry or
  and "或"

entry nor
  and "也不"

entry but
  conj "但"
  and "但"
  prep "除了\C"

entry yet
  adv "还" flags=mid-position
  conj "然而"
  phrase "not yet"

entry so
  conj "所以"
  adv "这么"
  phrase "so that"
  phrase "so far"

entry then
  adv "然后"
  n "那时" codes=C classes=time

entry therefore
  adv "因此"

entry thus
  adv "因此"

entry however
  adv "然而"
  wh "无论如何"

entry otherwise
  adv "否则"

entry also
  adv "也" flags=mid-position

entry too
  adv "太"
  phrase "me too"

entry even
  adv "甚至" flags=mid-position
  adj "平坦"
  phrase "even if"
  phrase "even though"

entry only
  adv "只" flags=mid-position
  adj "唯一的"
  phrase "not only"

entry than
  conj "比"
  prep "比\C" flags=before-verb|not-noun-modifier
  phrase "rather than"
  phrase "more than"
  phrase "less than"
