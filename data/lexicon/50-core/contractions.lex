# Contractions: one token that stands for several words. The first sense's
# text lists the words, each an entry of its own; the rest of that sense is
# what the word offers when a rule puts the contraction in place of another
# word ("there is no denying" reads as "can't deny"). The apostrophe forms
# that stand alone ("n't", "'ll") are here too. Capitalised forms are looked
# up through their lower-case form, except those of "I".

entry don't
  flags contraction
  aux "do not" flags=modal|negative

entry doesn't
  flags contraction
  aux "does not" flags=modal|negative

entry didn't
  flags contraction
  aux "did not" flags=modal|negative

entry isn't
  flags contraction
  aux "is not" flags=modal|negative

entry aren't
  flags contraction
  aux "are not" flags=modal|negative

entry wasn't
  flags contraction
  aux "was not" flags=modal|negative

entry weren't
  flags contraction
  aux "were not" flags=modal|negative

entry hasn't
  flags contraction
  aux "has not" flags=modal|negative

entry haven't
  flags contraction
  aux "have not" flags=modal|negative

entry hadn't
  flags contraction
  aux "had not" flags=modal|negative

entry can't
  flags contraction
  aux "can not" flags=modal|negative

entry cannot
  flags contraction
  aux "can not" flags=modal|negative

entry couldn't
  flags contraction
  aux "could not" flags=modal|negative

entry wouldn't
  flags contraction
  aux "would not" flags=modal|negative

entry shouldn't
  flags contraction
  aux "should not" flags=modal|negative

entry mustn't
  flags contraction
  aux "must not" flags=modal|negative

entry needn't
  flags contraction
  aux "need not" flags=modal|negative

entry mightn't
  flags contraction
  aux "might not" flags=modal|negative

entry won't
  flags contraction
  aux "will not" flags=modal|negative

entry shan't
  flags contraction
  aux "shall not" flags=modal|negative

entry ain't
  flags contraction
  aux "is not" flags=modal|negative

entry daren't
  flags contraction
  aux "dare not" flags=modal|negative

entry oughtn't
  flags contraction
  aux "ought not" flags=modal|negative

entry n't
  flags contraction
  adv "not" flags=mid-position|verb-bound|not-before-adj

entry 'll
  flags contraction
  aux "will" flags=modal

entry 'd
  flags contraction
  aux "would" flags=modal

entry 're
  flags contraction
  be "are"

entry 'm
  flags contraction
  be "am"

entry 've
  flags contraction
  aux "have" flags=perfect

entry let's
  flags contraction
  v "let us"

entry I'm
  flags contraction
  pron "I am" flags=subject

entry you're
  flags contraction
  pron "you are" flags=subject

entry we're
  flags contraction
  pron "we are" flags=subject

entry they're
  flags contraction
  pron "they are" flags=subject

entry what're
  flags contraction
  wh "what are"

entry who're
  flags contraction
  wh "who are"

entry he's
  flags contraction
  pron "he is" flags=subject

entry she's
  flags contraction
  pron "she is" flags=subject

entry it's
  flags contraction
  pron "it is" flags=subject

entry that's
  flags contraction
  pron "that is" flags=subject

entry there's
  flags contraction
  there "there is"

entry here's
  flags contraction
  adv "here is" flags=predicative|after-prep

entry what's
  flags contraction
  wh "what is"

entry who's
  flags contraction
  wh "who is"

entry where's
  flags contraction
  wh "where is"

entry how's
  flags contraction
  wh "how is"

entry when's
  flags contraction
  wh "when is"

entry why's
  flags contraction
  wh "why is"

entry I've
  flags contraction
  pron "I have" flags=subject

entry you've
  flags contraction
  pron "you have" flags=subject

entry we've
  flags contraction
  pron "we have" flags=subject

entry they've
  flags contraction
  pron "they have" flags=subject

entry who've
  flags contraction
  wh "who have"

entry could've
  flags contraction
  aux "could have" flags=modal

entry would've
  flags contraction
  aux "would have" flags=modal

entry should've
  flags contraction
  aux "should have" flags=modal

entry might've
  flags contraction
  aux "might have" flags=modal

entry must've
  flags contraction
  aux "must have" flags=modal

entry I'll
  flags contraction
  pron "I will" flags=subject

entry you'll
  flags contraction
  pron "you will" flags=subject

entry he'll
  flags contraction
  pron "he will" flags=subject

entry she'll
  flags contraction
  pron "she will" flags=subject

entry it'll
  flags contraction
  pron "it will" flags=subject

entry we'll
  flags contraction
  pron "we will" flags=subject

entry they'll
  flags contraction
  pron "they will" flags=subject

entry that'll
  flags contraction
  pron "that will" flags=subject

entry there'll
  flags contraction
  there "there will"

entry who'll
  flags contraction
  wh "who will"

entry I'd
  flags contraction
  pron "I would" flags=subject

entry you'd
  flags contraction
  pron "you would" flags=subject

entry he'd
  flags contraction
  pron "he would" flags=subject

entry she'd
  flags contraction
  pron "she would" flags=subject

entry it'd
  flags contraction
  pron "it would" flags=subject

entry we'd
  flags contraction
  pron "we would" flags=subject

entry they'd
  flags contraction
  pron "they would" flags=subject

entry that'd
  flags contraction
  pron "that would" flags=subject

entry who'd
  flags contraction
  wh "who would"
