# Irregular plurals as references to their singular with PLURAL, and the
# singular words themselves. "people" is a plural word of its own (人) that
# the plural handler marks plural; "persons" is the regular plural.

entry child
  n "孩子" codes=C classes=human

entry children
  REF child form=PLURAL

entry grandchild
  n "孙子" codes=C classes=human

entry grandchildren
  REF grandchild form=PLURAL

entry man
  n "男人" codes=C classes=human
  n "人" codes=C,U classes=human

entry men
  REF man form=PLURAL

entry woman
  n "女人" codes=C classes=human

entry women
  REF woman form=PLURAL

entry gentleman
  n "先生" codes=C classes=human classifier=8

entry gentlemen
  REF gentleman form=PLURAL

entry policeman
  n "警察" codes=C classes=human classifier=37

entry policemen
  REF policeman form=PLURAL

entry policewoman
  n "女警察" codes=C classes=human classifier=37

entry policewomen
  REF policewoman form=PLURAL

entry businessman
  n "商人" codes=C classes=human

entry businessmen
  REF businessman form=PLURAL

entry chairman
  n "主席" codes=C classes=human classifier=8

entry chairmen
  REF chairman form=PLURAL

entry fireman
  n "消防员" codes=C classes=human classifier=37

entry firemen
  REF fireman form=PLURAL

entry fisherman
  n "渔民" codes=C classes=human

entry fishermen
  REF fisherman form=PLURAL

entry postman
  n "邮递员" codes=C classes=human

entry postmen
  REF postman form=PLURAL

entry salesman
  n "推销员" codes=C classes=human

entry salesmen
  REF salesman form=PLURAL

entry Englishman
  n "英国人" codes=C classes=human

entry Englishmen
  REF Englishman form=PLURAL

entry Frenchman
  n "法国人" codes=C classes=human

entry Frenchmen
  REF Frenchman form=PLURAL

entry foot
  n "脚" codes=C classes=body classifier=3
  n "英尺" codes=C classes=quantity context="tall high long inch"

entry feet
  REF foot form=PLURAL

entry tooth
  n "牙齿" codes=C classes=body classifier=32

entry teeth
  REF tooth form=PLURAL

entry goose
  n "鹅" codes=C classes=animal classifier=3

entry geese
  REF goose form=PLURAL

entry mouse
  n "老鼠" codes=C classes=animal classifier=3
  n "鼠标" codes=C classes=artifact classifier=1 context="computer click screen"

entry mice
  REF mouse form=PLURAL

entry louse
  n "虱子" codes=C classes=animal classifier=3

entry lice
  REF louse form=PLURAL

entry ox
  n "牛" codes=C classes=animal classifier=10

entry oxen
  REF ox form=PLURAL

entry person
  n "人" codes=C classes=human classifier=1

entry people
  n "人" codes=C classes=human
  n "民族" codes=C classes=group context="nation tribe ethnic"
  handler plural

entry criterion
  n "标准" codes=C classes=cognition classifier=1

entry criteria
  REF criterion form=PLURAL

entry phenomenon
  n "现象" codes=C classes=phenomenon classifier=28

entry phenomena
  REF phenomenon form=PLURAL

entry medium
  n "媒介" codes=C classes=communication
  adj "中等"

entry media
  n "媒体" codes=C,U classes=communication
  REF medium form=PLURAL

entry analysis
  n "分析" codes=C,U classes=cognition

entry analyses
  REF analysis form=PLURAL

entry basis
  n "基础" codes=C classes=cognition

entry bases
  REF basis form=PLURAL
  REF base form=S

entry crisis
  n "危机" codes=C classes=state classifier=38

entry crises
  REF crisis form=PLURAL

entry thesis
  n "论文" codes=C classes=communication classifier=29

entry theses
  REF thesis form=PLURAL

entry hypothesis
  n "假设" codes=C classes=cognition classifier=28

entry hypotheses
  REF hypothesis form=PLURAL

entry diagnosis
  n "诊断" codes=C classes=cognition

entry diagnoses
  REF diagnosis form=PLURAL

entry oasis
  n "绿洲" codes=C classes=place classifier=21

entry oases
  REF oasis form=PLURAL

entry axis
  n "轴" codes=C classes=shape classifier=5

entry axes
  REF axis form=PLURAL
  REF axe form=PLURAL
  REF ax form=PLURAL

entry cactus
  n "仙人掌" codes=C classes=plant classifier=11

entry cacti
  REF cactus form=PLURAL

entry fungus
  n "真菌" codes=C,U classes=plant classifier=28

entry fungi
  REF fungus form=PLURAL

entry nucleus
  n "核心" codes=C classes=thing

entry nuclei
  REF nucleus form=PLURAL

entry stimulus
  n "刺激" codes=C classes=event

entry stimuli
  REF stimulus form=PLURAL

entry radius
  n "半径" codes=C classes=shape classifier=5

entry radii
  REF radius form=PLURAL

entry alumnus
  n "校友" codes=C classes=human classifier=37

entry alumni
  REF alumnus form=PLURAL

entry syllabus
  n "教学大纲" codes=C classes=communication classifier=30

entry syllabi
  REF syllabus form=PLURAL

entry appendix
  n "附录" codes=C classes=communication
  n "阑尾" codes=C classes=body context="doctor hospital pain"

entry appendices
  REF appendix form=PLURAL

entry index
  n "索引" codes=C classes=communication
  n "指数" codes=C classes=quantity context="price market rate"

entry indices
  REF index form=PLURAL

entry matrix
  n "矩阵" codes=C classes=shape

entry matrices
  REF matrix form=PLURAL

entry vertex
  n "顶点" codes=C classes=shape

entry vertices
  REF vertex form=PLURAL

entry curriculum
  n "课程" codes=C classes=cognition classifier=48

entry curricula
  REF curriculum form=PLURAL

entry bacterium
  n "细菌" codes=C classes=plant classifier=28

entry bacteria
  REF bacterium form=PLURAL

entry millennium
  n "千年" codes=C classes=time

entry millennia
  REF millennium form=PLURAL

entry memorandum
  n "备忘录" codes=C classes=communication classifier=30

entry memoranda
  REF memorandum form=PLURAL

entry stratum
  n "阶层" codes=C classes=group

entry strata
  REF stratum form=PLURAL

entry larva
  n "幼虫" codes=C classes=animal classifier=5

entry larvae
  REF larva form=PLURAL

entry formula
  n "公式" codes=C classes=communication classifier=1

entry formulae
  REF formula form=PLURAL

entry antenna
  n "天线" codes=C classes=artifact classifier=33

entry antennae
  REF antenna form=PLURAL

entry genus
  n "属" codes=C classes=group

entry genera
  REF genus form=PLURAL

entry corpus
  n "语料库" codes=C classes=group

entry corpora
  REF corpus form=PLURAL

entry leaf
  n "叶子" codes=C classes=plant classifier=21

entry leaves
  REF leaf form=PLURAL
  REF leave form=S

entry knife
  n "刀" codes=C classes=tool classifier=12

entry knives
  REF knife form=PLURAL

entry wife
  n "妻子" codes=C classes=human classifier=8

entry wives
  REF wife form=PLURAL

entry life
  n "生活" codes=U classes=state
  n "生命" codes=C classes=state context="save lose death"

entry lives
  REF life form=PLURAL
  REF live form=S

entry wolf
  n "狼" codes=C classes=animal classifier=5

entry wolves
  REF wolf form=PLURAL

entry halves
  REF half form=PLURAL

entry shelf
  n "架子" codes=C classes=artifact classifier=1

entry shelves
  REF shelf form=PLURAL

entry thief
  n "小偷" codes=C classes=human classifier=1

entry thieves
  REF thief form=PLURAL

entry loaf
  n "一条面包" codes=C classes=food

entry loaves
  REF loaf form=PLURAL

entry calf
  n "小牛" codes=C classes=animal classifier=10

entry calves
  REF calf form=PLURAL

entry elf
  n "小精灵" codes=C classes=human

entry elves
  REF elf form=PLURAL

entry self
  n "自我" codes=C,U classes=cognition

entry selves
  REF self form=PLURAL

entry scarf
  n "围巾" codes=C classes=clothing classifier=5

entry scarves
  REF scarf form=PLURAL

entry hoof
  n "蹄" codes=C classes=body classifier=3

entry hooves
  REF hoof form=PLURAL

entry wharf
  n "码头" codes=C classes=place classifier=14

entry wharves
  REF wharf form=PLURAL

entry sheaf
  n "捆" codes=C classes=group

entry sheaves
  REF sheaf form=PLURAL

entry quiz
  n "测验" codes=C classes=event classifier=27

entry quizzes
  REF quiz form=PLURAL

entry live
  v "住" codes=i0
  v "生活" codes=i0 constraints=1
  adj "活的"

entry base
  n "基地" codes=C classes=place
  v "以\o为基础" codes=t1

entry axe
  n "斧头" codes=C classes=tool classifier=12

entry ax
  n "斧头" codes=C classes=tool classifier=12

entry data
  n "数据" codes=U classes=communication

entry dice
  n "骰子" codes=C classes=artifact classifier=32
  v "切丁" codes=t1
