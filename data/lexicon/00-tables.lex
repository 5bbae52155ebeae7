# The tables of the lexicon: the format version, the code table, the
# semantic class names and the auxiliary-name table, which holds the noun
# classifiers. This file sorts first, so every other file may name a class.

version 91

# The code table: 91 slots at most, each at most 2 characters. Slot 3 is
# always "*" when the engine loads the file.
code 0 "C"
code 1 "U"
code 2 "CY"
code 3 "*"
code 4 "PN"
code 5 "NE"

# Semantic classes of noun senses (classes=). Class 0 means "no class".
# "when" asks its noun for class 2 (time); a pronoun counts as class 5
# (human), the class the rule for "present" looks for before it; a subject of
# class 36 (act) makes generation render the progressive with 是 ("his hobby
# is collecting stamps").
class-name 0 none
class-name 1 thing
class-name 2 time
class-name 3 place
class-name 4 animal
class-name 5 human
class-name 6 body
class-name 7 food
class-name 8 plant
class-name 9 artifact
class-name 10 group
class-name 11 event
class-name 12 feeling
class-name 13 cognition
class-name 14 communication
class-name 15 attribute
class-name 16 quantity
class-name 17 substance
class-name 18 object
class-name 19 state
class-name 20 process
class-name 21 phenomenon
class-name 22 possession
class-name 23 relation
class-name 24 shape
class-name 25 motive
class-name 26 money
class-name 27 vehicle
class-name 28 building
class-name 29 clothing
class-name 30 tool
class-name 31 weather
class-name 32 language
class-name 33 disease
class-name 34 color
class-name 35 music
class-name 36 act

# The classifiers (classifier= of a noun sense) index this table: the
# determiner and numeral put the classifier between themselves and the noun
# (这本书, 三辆车). Slot 0 is no classifier of its own; generation then uses 个.
aux-name 0 ""
aux-name 1 "个"
aux-name 2 "本"
aux-name 3 "只"
aux-name 4 "张"
aux-name 5 "条"
aux-name 6 "件"
aux-name 7 "辆"
aux-name 8 "位"
aux-name 9 "家"
aux-name 10 "头"
aux-name 11 "棵"
aux-name 12 "把"
aux-name 13 "台"
aux-name 14 "座"
aux-name 15 "间"
aux-name 16 "封"
aux-name 17 "首"
aux-name 18 "部"
aux-name 19 "支"
aux-name 20 "块"
aux-name 21 "片"
aux-name 22 "朵"
aux-name 23 "双"
aux-name 24 "杯"
aux-name 25 "瓶"
aux-name 26 "碗"
aux-name 27 "次"
aux-name 28 "种"
aux-name 29 "篇"
aux-name 30 "份"
aux-name 31 "匹"
aux-name 32 "颗"
aux-name 33 "根"
aux-name 34 "幅"
aux-name 35 "层"
aux-name 36 "所"
aux-name 37 "名"
aux-name 38 "场"
aux-name 39 "架"
aux-name 40 "艘"
aux-name 41 "顶"
aux-name 42 "枝"
aux-name 43 "粒"
aux-name 44 "面"
aux-name 45 "扇"
aux-name 46 "盏"
aux-name 47 "项"
aux-name 48 "门"
aux-name 49 "道"
aux-name 50 "句"
# A noun that measures itself (天, 年, 分钟, 美元) takes no classifier after a
# number or a demonstrative: 三天, 两年, 这一年 rather than 三个天.
aux-name 51 "-"
