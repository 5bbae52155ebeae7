# Tables of the lexicon: the format version, the code table, the semantic
# class names and the auxiliary names. This file sorts first, so the class
# names below can be used by every other file.

version 91

# The code table: 91 slots at most, each at most 2 characters. Slot 3 is
# always "*" when the engine loads the file.
code 0 "C"
code 1 "U"
code 2 "CY"
code 3 "*"
code 4 "PN"
code 5 "NE"

# Semantic classes of noun senses. Class 0 means "no class"; the rule
# language and the checks test classes by these names. A pronoun sense
# counts as class 5.
class-name 0 none
class-name 1 person
class-name 2 animal
class-name 3 place
class-name 4 time
class-name 5 pronoun
class-name 6 artifact
class-name 7 money

aux-name 0 none
aux-name 1 be
aux-name 2 have
aux-name 3 modal
