"""The default Danish word lists of all fifteen games, as data.

Written for children in their first school years: short, everyday words, sentences a child
would say, and the articles, plurals and number words of Danish. content_media.py writes them
to content/den/GameNN.tsv and makes every picture and recording they name under resources/data/.

Pictures are shared with English where the word is the same thing (PICTURES names the English
picture); a word with a picture of its own is a key of EMOJI. Recordings are spoken by eSpeak
NG's Danish voice; RESPELL lists the words it reads wrongly, spelled the way it reads them right.
"""

from content_lists import _counts  # Game 14: each word in three counts, as in English

DEFAULT = "Hverdagsord"
ANIMALS = "Dyr"

# Danish word -> the English word whose picture shows the same thing.
PICTURES = {
    "abe": "monkey", "and": "duck", "bamse": "teddy", "ballon": "balloon", "bi": "bee", "bil": "car",
    "bjørn": "bear", "blomst": "flower", "bog": "book", "bold": "ball", "brød": "bread", "bus": "bus",
    "båd": "boat", "cykel": "bike", "drage": "kite", "dør": "door", "elefant": "elephant", "fisk": "fish",
    "flagermus": "bat", "fly": "plane", "frø": "frog", "fugl": "bird", "ged": "goat",
    "gris": "pig", "hat": "hat", "hest": "horse", "hund": "dog", "hus": "house", "hval": "whale",
    "høne": "hen", "hånd": "hand", "kage": "cake", "kanin": "rabbit", "kat": "cat", "ko": "cow",
    "kop": "cup", "krabbe": "crab", "kødben": "bone", "lam": "lamb", "løve": "lion", "mus": "mouse",
    "myre": "ant", "mælk": "milk", "måne": "moon", "nøgle": "key", "ost": "cheese", "panda": "panda",
    "paraply": "umbrella", "pære": "pear", "regn": "rain", "rede": "nest", "ræv": "fox", "seng": "bed",
    "ske": "spoon", "sko": "shoe", "slange": "snake", "snegl": "snail", "sok": "sock",
    "spindelvæv": "web", "stjerne": "star", "stol": "chair", "sæl": "seal", "sol": "sun",
    "taske": "bag", "telt": "tent", "tiger": "tiger", "tog": "train", "tromme": "drum", "træ": "tree",
    "ugle": "owl", "ulv": "wolf", "ur": "clock", "zebra": "zebra", "æble": "apple", "æg": "egg",
    "ørn": "eagle", "får": "lamb", "løg": "onion", "citron": "lemon", "appelsin": "orange",
    "helikopter": "helicopter", "ambulance": "ambulance", "økse": "axe", "anker": "anchor",
    "ring": "ring", "muslingeskal": "shell", "raket": "rocket", "rumvæsen": "alien", "okse": "ox",
    "odder": "otter", "svane": "swan", "sommerfugl": "butterfly", "mariehøne": "ladybird",
    "papegøje": "parrot", "orangutang": "orangutan", "hamster": "hamster",
}

# Pictures of words that the English lists have no picture of: an emoji of Noto Color Emoji.
EMOJI = {
    "egern": "🐿️", "firben": "🦎", "flag": "🇩🇰", "gås": "🪿", "jordbær": "🍓", "kjole": "👗",
    "lys": "🕯️", "næsehorn": "🦏", "pindsvin": "🦔", "pølse": "🌭", "hjort": "🦌", "kamel": "🐫", "spand": "🪣",
    "smør": "🧈", "sofa": "🛋️", "skål": "🥣", "sæbe": "🧼", "vindue": "🪟", "æsel": "🫏",
    "hane": "🐓", "kylling": "🐤", "svin": "🐖",
}

# Words eSpeak NG's Danish voice reads wrongly, spelled so that it reads them right. Only the
# recordings change; the written words stay as they are.
RESPELL = {
    "flagermusen": "flager-musen",   # else "fla-u-ermusen"
    "næsehorn": "næsehorrn",         # else the r of "horn" is lost
    "hurtig": "hurti",               # else "hortig"
}

# ------------------------------------------------------------------ Game 1: en or et
# (word, scene, the right little word); every word of a scene is drawn in it. Most Danish
# nouns take "en", so the scenes of things mix in et-words where they can, and the animals'
# own Danish scenes gather the few et-animals, so the child has to think about each word.
GAME01 = {
    DEFAULT: [
        ("æble", "kitchen.jpg", "et"), ("kage", "kitchen.jpg", "en"), ("kop", "kitchen.jpg", "en"),
        ("æg", "kitchen.jpg", "et"),
        ("myre", "garden.jpg", "en"), ("bi", "garden.jpg", "en"), ("ugle", "garden.jpg", "en"),
        ("træ", "garden.jpg", "et"),
        ("vindue", "stue.jpg", "et"), ("dør", "stue.jpg", "en"), ("ur", "stue.jpg", "et"),
        ("sofa", "stue.jpg", "en"),
        ("citron", "market.jpg", "en"), ("løg", "market.jpg", "et"), ("appelsin", "market.jpg", "en"),
        ("pære", "market.jpg", "en"),
        ("fly", "town.jpg", "et"), ("helikopter", "town.jpg", "en"), ("ambulance", "town.jpg", "en"),
        ("bus", "town.jpg", "en"),
        ("fugl", "campsite.jpg", "en"), ("ballon", "campsite.jpg", "en"), ("økse", "campsite.jpg", "en"),
        ("telt", "campsite.jpg", "et"),
        ("anker", "seabed.jpg", "et"), ("ring", "seabed.jpg", "en"), ("muslingeskal", "seabed.jpg", "en"),
        ("stjerne", "space.jpg", "en"), ("raket", "space.jpg", "en"), ("rumvæsen", "space.jpg", "et"),
    ],
    ANIMALS: [
        ("får", "bondegaard.jpg", "et"), ("ko", "bondegaard.jpg", "en"), ("gris", "bondegaard.jpg", "en"),
        ("hest", "bondegaard.jpg", "en"),
        ("egern", "skov.jpg", "et"), ("pindsvin", "skov.jpg", "et"), ("hjort", "skov.jpg", "en"),
        ("ræv", "skov.jpg", "en"),
        ("elefant", "dyrepark.jpg", "en"), ("næsehorn", "dyrepark.jpg", "et"),
        ("løve", "dyrepark.jpg", "en"), ("firben", "dyrepark.jpg", "et"),
        ("æsel", "stald.jpg", "et"), ("svin", "stald.jpg", "et"), ("hane", "stald.jpg", "en"),
        ("kylling", "stald.jpg", "en"),
        ("frø", "riverbank.jpg", "en"), ("odder", "riverbank.jpg", "en"), ("and", "riverbank.jpg", "en"),
        ("svane", "riverbank.jpg", "en"),
        ("sommerfugl", "flowerbed.jpg", "en"), ("bi", "flowerbed.jpg", "en"), ("myre", "flowerbed.jpg", "en"),
        ("mariehøne", "flowerbed.jpg", "en"),
        ("papegøje", "rainforest.jpg", "en"), ("orangutang", "rainforest.jpg", "en"),
        ("slange", "rainforest.jpg", "en"), ("tiger", "rainforest.jpg", "en"),
        ("kat", "pets.jpg", "en"), ("hund", "pets.jpg", "en"), ("hamster", "pets.jpg", "en"),
        ("kanin", "pets.jpg", "en"),
    ],
}

# The scenes only Danish has: ground and extra figures that carry no word. The other scenes
# are the English ones, with the same things in the same places.
SCENES01 = {
    "stue.jpg": ("room", ["🪴"]), "bondegaard.jpg": ("farm", ["🌾"]), "skov.jpg": ("wood", ["🍄"]),
    "dyrepark.jpg": ("grass", ["🌴"]), "stald.jpg": ("farm", ["🪣"]),
}

# ------------------------------------------------------------------ Game 2: hint and sentence
# (word, hint, the sentence up to the word); hint and sentence fit one word of the list only.
GAME02 = {
    DEFAULT: [
        ("æble", "Det er en rød frugt.", "Til frokost spiser jeg et"),
        ("bold", "Den kan man sparke til.", "I parken sparker vi til en"),
        ("seng", "Den sover man i.", "Om natten sover jeg i min"),
        ("bog", "Den har sider.", "Før jeg sover, læser mor i en"),
        ("kat", "Den siger miav.", "Dyret, der spinder, er en"),
        ("kop", "Man drikker af den.", "Jeg drikker kakao af en"),
        ("hund", "Den siger vov.", "Dyret, der gør, er en"),
        ("sol", "Den er varm og lys.", "Højt på himlen skinner en gul"),
    ],
    ANIMALS: [
        ("ko", "Den siger muh.", "Vi får mælk fra en"),
        ("and", "Den siger rap.", "Fuglen, der svømmer på søen, er en"),
        ("frø", "Den er lille og grøn.", "Dyret, der kvækker, er en"),
        ("høne", "Den siger kluk.", "Den fugl, der klukker, er en"),
        ("hest", "Man kan ride på den.", "Dyret, der vrinsker, er en"),
        ("løve", "Den brøler.", "Dyrenes konge er en"),
        ("gris", "Den er lyserød.", "Dyret, der siger øf, er en"),
        ("kanin", "Den har lange ører.", "Kæledyret, der hopper, er en"),
    ],
}

# ------------------------------------------------------------------ Game 3: ja or nej (0 ja, 1 nej)
GAME03 = {
    DEFAULT: [
        ("æble", "Er det et æble?", 0), ("bold", "Er det en bog?", 1),
        ("seng", "Kan man sove i den?", 0), ("bog", "Kan man læse i den?", 0),
        ("kage", "Er det en kage?", 0), ("bil", "Kan den flyve?", 1),
        ("kat", "Er det en hund?", 1), ("kop", "Kan man drikke af den?", 0),
        ("hund", "Siger den vov?", 0), ("hat", "Kan man spise den?", 1),
        ("sol", "Er det månen?", 1), ("træ", "Er det et træ?", 0),
    ],
    ANIMALS: [
        ("bi", "Kan den flyve?", 0), ("ko", "Siger den muh?", 0),
        ("and", "Er det en kat?", 1), ("elefant", "Er den lille?", 1),
        ("fisk", "Kan den svømme?", 0), ("frø", "Er den grøn?", 0),
        ("hest", "Kan den flyve?", 1), ("løve", "Er det en løve?", 0),
        ("mus", "Er den stor?", 1), ("gris", "Er den lyserød?", 0),
        ("snegl", "Er den hurtig?", 1), ("zebra", "Har den striber?", 0),
    ],
}

# ------------------------------------------------------------------ Game 4: two sentences (0 A right, 1 B)
GAME04 = {
    DEFAULT: [
        ("cykel", "Jeg kører på min cykel.", "Jeg spiser min cykel.", 0),
        ("bog", "Bogen kan løbe.", "Jeg læser i en bog.", 1),
        ("brød", "Vi spiser brød.", "Vi tager brød på.", 0),
        ("bus", "Bussen kører i havet.", "Bussen kører på vejen.", 1),
        ("ur", "Uret viser, hvad klokken er.", "Uret kan svømme.", 0),
        ("nøgle", "Nøglen synger en sang.", "Nøglen låser døren op.", 1),
        ("mælk", "Jeg drikker mælk.", "Jeg sover i mælk.", 0),
        ("måne", "Månen er varm og rød.", "Vi ser månen om natten.", 1),
        ("sok", "Jeg tager en sok på foden.", "Jeg kommer en sok i teen.", 0),
        ("stjerne", "En stjerne kan gø.", "En stjerne lyser om natten.", 1),
    ],
    ANIMALS: [
        ("fugl", "Fuglen kan flyve.", "Fuglen kan læse.", 0),
        ("ko", "Koen siger vov.", "Koen siger muh.", 1),
        ("krabbe", "Krabben bor ved havet.", "Krabben bor i et træ.", 0),
        ("and", "Anden kører bil.", "Anden svømmer på søen.", 1),
        ("ged", "Geden spiser græs.", "Geden spiser kage.", 0),
        ("abe", "Aben kan lide sne.", "Aben kan lide bananer.", 1),
        ("ugle", "Uglen er vågen om natten.", "Uglen sover i en seng.", 0),
        ("panda", "Pandaen er rød og grøn.", "Pandaen er sort og hvid.", 1),
        ("sæl", "Sælen kan svømme.", "Sælen kan cykle.", 0),
        ("tiger", "Tigeren har prikker.", "Tigeren har striber.", 1),
    ],
}

# ------------------------------------------------------------------ Game 5: questions answered by a picture
# Every question has one answer among all the words of its list.
GAME05 = {
    DEFAULT: [
        ("æble", "Hvad kan man spise?"), ("bold", "Hvad kan man sparke til?"),
        ("seng", "Hvor sover du?"), ("bog", "Hvad har sider, som man kan læse?"),
        ("stol", "Hvad sidder du på ved bordet?"), ("ur", "Hvad viser, hvad klokken er?"),
        ("sko", "Hvad har du på foden?"), ("paraply", "Hvad holder dig tør, når det regner?"),
    ],
    ANIMALS: [
        ("bi", "Hvem laver honning?"), ("kat", "Hvem siger miav?"),
        ("ko", "Hvem giver os mælk?"), ("hund", "Hvem siger vov?"),
        ("fisk", "Hvem bor i vandet?"), ("høne", "Hvem siger kluk?"),
        ("ugle", "Hvem siger uhu om natten?"), ("kanin", "Hvem har lange ører?"),
    ],
}

# ------------------------------------------------------------------ Game 6: paint in the named colour
# (word, colour of the English pictures, the order). The adjective follows the noun's gender:
# "Mal bolden rød", "Mal æblet rødt".
GAME06 = {
    DEFAULT: [
        ("æble", "red", "Mal æblet rødt."), ("bold", "blue", "Mal bolden blå."),
        ("ballon", "yellow", "Mal ballonen gul."), ("bil", "green", "Mal bilen grøn."),
        ("hat", "orange", "Mal hatten orange."), ("hus", "purple", "Mal huset lilla."),
        ("drage", "pink", "Mal dragen lyserød."), ("bamse", "brown", "Mal bamsen brun."),
    ],
    ANIMALS: [
        ("fugl", "blue", "Mal fuglen blå."), ("kat", "orange", "Mal katten orange."),
        ("hund", "brown", "Mal hunden brun."), ("fisk", "yellow", "Mal fisken gul."),
        ("frø", "green", "Mal frøen grøn."), ("gris", "pink", "Mal grisen lyserød."),
        ("snegl", "purple", "Mal sneglen lilla."), ("krabbe", "red", "Mal krabben rød."),
    ],
}

# ------------------------------------------------------------------ Game 7: gaps in sentences about a scene
# (scene, before the gap, missing word, after the gap); the English scenes, told in Danish.
# Four sentences a scene, and in each exactly one of the scene's four words fits, by its
# sense, its grammar ("Et får") and the picture.
GAME07 = {
    DEFAULT: [
        ("park.jpg", "Den gule", "sol", "skinner på himlen."),
        ("park.jpg", "En", "hund", "løber efter en bold."),
        ("park.jpg", "En lille", "fugl", "synger i træet."),
        ("park.jpg", "En gul", "blomst", "vokser i græsset."),
        ("beach.jpg", "En", "båd", "sejler på havet."),
        ("beach.jpg", "En hvid", "fugl", "flyver over havet."),
        ("beach.jpg", "En rød", "krabbe", "har store klør."),
        ("beach.jpg", "Jeg fylder min", "spand", "med sand."),
        ("farm.jpg", "En", "ko", "siger muh."),
        ("farm.jpg", "En", "høne", "sidder på sine æg."),
        ("farm.jpg", "En lyserød", "gris", "vælter sig i mudderet."),
        ("farm.jpg", "Et", "får", "siger mæh."),
    ],
    ANIMALS: [
        ("pond.jpg", "En", "and", "siger rap."),
        ("pond.jpg", "En grøn", "frø", "sidder på et blad."),
        ("pond.jpg", "En lille", "fisk", "har finner."),
        ("pond.jpg", "En", "bi", "summer over søen."),
        ("jungle.jpg", "En", "abe", "holder en banan."),
        ("jungle.jpg", "En lang", "slange", "har ingen ben."),
        ("jungle.jpg", "En", "tiger", "har orange og sorte striber."),
        ("jungle.jpg", "En", "elefant", "har en lang snabel."),
        ("snow.jpg", "En", "pingvin", "er sort og hvid."),
        ("snow.jpg", "En grå", "sæl", "ligger på isen."),
        ("snow.jpg", "En hvid", "kanin", "hopper i sneen."),
        ("snow.jpg", "En stor", "hval", "sprøjter vand op."),
    ],
}

# ------------------------------------------------------------------ Game 8: the right ending
# (word, beginning, right ending, wrong ending)
GAME08 = {
    DEFAULT: [
        ("taske", "Jeg lægger mine bøger", "i min taske.", "i min kop."),
        ("seng", "Om aftenen går jeg", "i seng.", "til månen."),
        ("kage", "Til min fødselsdag får jeg", "kage.", "en sko."),
        ("dør", "Luk lige", "døren.", "solen."),
        ("hat", "På hovedet har jeg", "en hat.", "en fisk."),
        ("lys", "Når det er mørkt, tænder vi", "et lys.", "en sok."),
        ("regn", "Jeg tager paraply med", "i regnvejr.", "i badet."),
        ("ske", "Jeg spiser suppe", "med en ske.", "med en sok."),
    ],
    ANIMALS: [
        ("flagermus", "Flagermusen flyver", "om natten.", "i badekarret."),
        ("kødben", "Hunden gnaver i", "et kødben.", "en bil."),
        ("frø", "Frøen hopper", "ned i søen.", "ind i ovnen."),
        ("høne", "Hønen lægger", "et æg.", "en bus."),
        ("lam", "Lammet siger", "mæh.", "rap."),
        ("mus", "Musen kan lide", "ost.", "sne."),
        ("rede", "Fuglen sidder", "i sin rede.", "i en bil."),
        ("spindelvæv", "Edderkoppen laver", "et spindelvæv.", "en kage."),
    ],
}

# ------------------------------------------------------------------ Game 9: picture crossword
# Words of 3 to 5 letters, many with æ, ø or å. The words of 5 letters stand upright in turn, so a
# list needs several, with letters in their second to fifth places that the shorter words share.
GAME09 = {
    DEFAULT: ["bil", "bog", "bold", "brød", "bus", "båd", "drage", "dør", "flag", "hat", "hus",
              "hånd", "kage", "kjole", "kop", "lys", "løg", "mælk", "måne", "nøgle", "ost", "pølse",
              "pære", "seng", "ske", "sko", "skål", "smør", "sok", "sol", "spand", "stol", "sæbe", "telt", "tog",
              "træ"],
    ANIMALS: ["abe", "and", "bi", "bjørn", "egern", "fisk", "frø", "fugl", "ged", "gris", "gås", "hest",
              "hjort", "hval", "høne", "kamel", "kanin", "kat", "ko", "lam", "løve", "mus", "myre", "panda", "ræv",
              "snegl", "sæl", "tiger", "ugle", "ulv", "zebra", "æsel", "ørn"],
}

# ------------------------------------------------------------------ Game 10: ja/nej questions on a scene (0 ja, 1 nej)
# Four questions a scene, each answered by the English picture: a red car and no bike in the
# street, a teddy on the bed and no dog in the bedroom, and so on.
GAME10 = {
    DEFAULT: [
        ("street.jpg", "Er der en bus?", 0), ("street.jpg", "Er bilen blå?", 1),
        ("street.jpg", "Kan du se et træ?", 0), ("street.jpg", "Er der en cykel?", 1),
        ("bedroom.jpg", "Er der en seng?", 0), ("bedroom.jpg", "Er der en kat?", 0),
        ("bedroom.jpg", "Kan du se en hund?", 1), ("bedroom.jpg", "Sidder bamsen på sengen?", 0),
        ("picnic.jpg", "Regner det?", 1), ("picnic.jpg", "Kan du se en kage?", 0),
        ("picnic.jpg", "Er der en fisk?", 1), ("picnic.jpg", "Skinner solen?", 0),
    ],
    ANIMALS: [
        ("meadow.jpg", "Er der en hest?", 0), ("meadow.jpg", "Kan du se en ko?", 0),
        ("meadow.jpg", "Er der en løve?", 1), ("meadow.jpg", "Kan du se en gris?", 1),
        ("river.jpg", "Kan du se en and?", 0), ("river.jpg", "Er der en elefant?", 1),
        ("river.jpg", "Kan du se en frø?", 0), ("river.jpg", "Kan du se en fisk?", 1),
        ("night.jpg", "Er det nat?", 0), ("night.jpg", "Kan du se solen?", 1),
        ("night.jpg", "Er der en ugle?", 0), ("night.jpg", "Kan du se månen?", 0),
    ],
}

# ------------------------------------------------------------------ Game 11: point out the words in order
# Sentences without commas: every word ends at a blank, the last one at the full stop. Each
# says what its English scene shows, two a scene. The game speaks no single Danish words,
# only the whole sentence.
GAME11 = {
    DEFAULT: [
        ("cat.jpg", "Katten står på måtten."), ("cat.jpg", "Jeg kan se en kat."),
        ("ball.jpg", "Bolden ligger i græsset."), ("ball.jpg", "Jeg kan sparke til bolden."),
        ("cake.jpg", "Kagen står på bordet."), ("cake.jpg", "Kagen har lys."),
        ("bus.jpg", "Bussen kører på vejen."), ("bus.jpg", "Jeg kan se en stor bus."),
        ("sun.jpg", "Solen skinner på himlen."), ("sun.jpg", "Solen er varm."),
        ("tree.jpg", "Træet er stort."), ("tree.jpg", "Jeg ser et rødt æble."),
    ],
    ANIMALS: [
        ("dog.jpg", "Hunden kan løbe."), ("dog.jpg", "Hunden står i græsset."),
        ("bird.jpg", "En fugl sidder i træet."), ("bird.jpg", "Fuglen kan synge."),
        ("fish.jpg", "Fisken er i vandet."), ("fish.jpg", "En fisk kan svømme."),
        ("duck.jpg", "Anden svømmer på søen."), ("duck.jpg", "En and har et gult næb."),
        ("cow.jpg", "Koen er sort og hvid."), ("cow.jpg", "Koen står på marken."),
        ("frog.jpg", "Frøen sidder på et blad."), ("frog.jpg", "Frøen er grøn."),
    ],
}

# ------------------------------------------------------------------ Game 12: the spoken word in a box
# (word, four words of the box); the four differ in one sound, and the spoken word is one of them.
GAME12 = {
    DEFAULT: [
        ("bil", ["bil", "pil", "bal", "bul"]), ("hus", ["mus", "hus", "lus", "hos"]),
        ("kat", ["kam", "kar", "kat", "hat"]), ("sol", ["sal", "sæl", "sok", "sol"]),
        ("sko", ["sko", "ske", "sne", "ko"]), ("bog", ["bag", "bog", "bøg", "bug"]),
        ("mor", ["mur", "far", "mor", "mos"]), ("tog", ["tag", "tøj", "top", "tog"]),
        ("kop", ["kop", "kok", "kap", "top"]), ("hund", ["hånd", "hund", "mund", "rund"]),
    ],
    ANIMALS: [
        ("ko", ["kø", "ko", "so", "kok"]), ("and", ["ånd", "end", "and", "ond"]),
        ("ged", ["ged", "gad", "god", "med"]), ("gris", ["pris", "grus", "ris", "gris"]),
        ("mus", ["mos", "mus", "hus", "lus"]), ("hest", ["fest", "høst", "hest", "gæst"]),
        ("bi", ["bi", "by", "bo", "ni"]), ("sæl", ["sal", "sol", "hæl", "sæl"]),
        ("løve", ["love", "løve", "lave", "løbe"]), ("frø", ["fro", "fri", "frø", "bro"]),
    ],
}

# ------------------------------------------------------------------ Game 13: the word for a picture
GAME13 = {
    DEFAULT: [
        ("æble", ["æble", "æske", "ærme", "abe"]), ("bold", ["bord", "bold", "bolt", "guld"]),
        ("bog", ["bag", "bug", "bog", "bøg"]), ("kat", ["kar", "kam", "kan", "kat"]),
        ("hund", ["hund", "mund", "hånd", "hun"]), ("sol", ["sal", "sol", "sok", "stol"]),
        ("kage", ["gave", "kage", "hage", "kane"]), ("træ", ["tre", "tro", "træ", "træt"]),
        ("stol", ["stok", "stol", "stor", "stål"]), ("ske", ["sne", "ske", "sko", "sky"]),
    ],
    ANIMALS: [
        ("bjørn", ["bjørn", "barn", "bjerg", "bønne"]), ("and", ["ånd", "and", "hånd", "ende"]),
        ("fisk", ["disk", "fik", "fisk", "frisk"]), ("ged", ["med", "gud", "gade", "ged"]),
        ("hest", ["hest", "høst", "fest", "hus"]), ("løve", ["løbe", "løve", "love", "lave"]),
        ("mus", ["hus", "mos", "mus", "mund"]), ("slange", ["slank", "stang", "lange", "slange"]),
        ("hval", ["hval", "hvad", "hvid", "sval"]), ("zebra", ["cobra", "zebra", "zone", "zoo"]),
    ],
}

# ------------------------------------------------------------------ Game 14: how many?
# (word, plural, how many are shown), each word in three counts as in English, every picture
# showing one thing; the button says the number word and the noun, with "en" or "et" for one
# thing by the word's gender.
GAME14 = {
    DEFAULT: _counts([("æble", "æbler"), ("bold", "bolde"), ("bog", "bøger"), ("kage", "kager"),
                      ("bil", "biler"), ("kop", "kopper"), ("hat", "hatte"), ("drage", "drager"),
                      ("stjerne", "stjerner")]),
    ANIMALS: _counts([("bi", "bier"), ("kat", "katte"), ("ko", "køer"), ("hund", "hunde"),
                      ("and", "ænder"), ("fisk", "fisk"), ("frø", "frøer"), ("høne", "høns"),
                      ("gris", "grise"), ("lam", "lam")], 2),
}
NUMBER_WORDS = {2: "to", 3: "tre", 4: "fire"}
# The words of these lists that take "et"; the rest take "en".
NEUTER = {"æble", "lam"}

# ------------------------------------------------------------------ Game 15: steer to the words
GAME15 = {
    DEFAULT: ["æble", "bold", "seng", "bog", "kat", "kop", "hund", "sol", "bil", "hat", "stjerne", "træ"],
    ANIMALS: ["bi", "ko", "and", "fisk", "ræv", "frø", "høne", "løve", "ugle", "gris", "sæl", "zebra"],
}
