"""The default Danish word lists of all fifteen games, as data.

Written for children in their first school years: short, everyday words, sentences a child
would say, and the articles, plurals and number words of Danish. content_media.py writes them
to content/den/GameNN.tsv and makes every picture and recording they name under resources/data/.

Pictures are shared with English where the word is the same thing (PICTURES names the English
picture); a word with a picture of its own is a key of EMOJI. Recordings are spoken by eSpeak
NG's Danish voice; RESPELL lists the words it reads wrongly, spelled the way it reads them right.
"""

DEFAULT = "Hverdagsord"
ANIMALS = "Dyr"

# Danish word -> the English word whose picture shows the same thing.
PICTURES = {
    "abe": "monkey", "and": "duck", "bamse": "teddy", "ballon": "balloon", "bi": "bee", "bil": "car",
    "bjørn": "bear", "blomst": "flower", "bog": "book", "bold": "ball", "brød": "bread", "bus": "bus",
    "båd": "boat", "cykel": "bike", "drage": "kite", "dør": "door", "elefant": "elephant", "fisk": "fish",
    "flagermus": "bat", "fly": "plane", "frø": "frog", "fugl": "bird", "ged": "goat", "glas": "cup",
    "gris": "pig", "hat": "hat", "hest": "horse", "hund": "dog", "hus": "house", "hval": "whale",
    "høne": "hen", "hånd": "hand", "kage": "cake", "kanin": "rabbit", "kat": "cat", "ko": "cow",
    "kop": "mug", "krabbe": "crab", "kødben": "bone", "lam": "lamb", "løve": "lion", "mus": "mouse",
    "myre": "ant", "mælk": "milk", "måne": "moon", "nøgle": "key", "ost": "cheese", "panda": "panda",
    "paraply": "umbrella", "pære": "pear", "regn": "rain", "rede": "nest", "ræv": "fox", "seng": "bed",
    "ske": "spoon", "sko": "shoe", "slange": "snake", "snegl": "snail", "sok": "sock",
    "spindelvæv": "web", "stjerne": "star", "stol": "chair", "sæl": "seal", "sol": "sun",
    "taske": "bag", "telt": "tent", "tiger": "tiger", "tog": "train", "tromme": "drum", "træ": "tree",
    "ugle": "owl", "ulv": "wolf", "ur": "clock", "zebra": "zebra", "æble": "apple", "æg": "egg",
    "ørn": "eagle", "får": "lamb",
}

# Pictures of words that the English lists have no picture of: an emoji of Noto Color Emoji.
EMOJI = {
    "egern": "🐿️", "firben": "🦎", "flag": "🇩🇰", "gås": "🪿", "jordbær": "🍓", "kjole": "👗",
    "lys": "🕯️", "løg": "🧅", "næsehorn": "🦏", "pindsvin": "🦔", "pølse": "🌭", "hjort": "🦌", "kamel": "🐫", "spand": "🪣",
    "smør": "🧈", "sofa": "🛋️", "skål": "🥣", "sæbe": "🧼", "vindue": "🪟", "æsel": "🫏",
}

# Words eSpeak NG's Danish voice reads wrongly, spelled so that it reads them right. Only the
# recordings change; the written words stay as they are.
RESPELL = {
    "flagermusen": "flager-musen",   # else "fla-u-ermusen"
    "næsehorn": "næsehorrn",         # else the r of "horn" is lost
    "hurtig": "hurti",               # else "hortig"
}

# ------------------------------------------------------------------ Game 1: en or et
# (word, scene, the right little word); every word of a scene is drawn in it. The Danish
# scenes mix en-words and et-words, so the child has to think about each one.
GAME01 = {
    DEFAULT: [
        ("æble", "kitchen.jpg", "et"), ("kage", "kitchen.jpg", "en"), ("glas", "kitchen.jpg", "et"),
        ("æg", "kitchen.jpg", "et"),
        ("myre", "garden.jpg", "en"), ("bi", "garden.jpg", "en"), ("ugle", "garden.jpg", "en"),
        ("træ", "garden.jpg", "et"),
        ("vindue", "stue.jpg", "et"), ("dør", "stue.jpg", "en"), ("ur", "stue.jpg", "et"),
        ("sofa", "stue.jpg", "en"),
        ("fly", "vej.jpg", "et"), ("tog", "vej.jpg", "et"), ("bil", "vej.jpg", "en"),
        ("bus", "vej.jpg", "en"),
    ],
    ANIMALS: [
        ("får", "bondegaard.jpg", "et"), ("ko", "bondegaard.jpg", "en"), ("gris", "bondegaard.jpg", "en"),
        ("hest", "bondegaard.jpg", "en"),
        ("egern", "skov.jpg", "et"), ("pindsvin", "skov.jpg", "et"), ("hjort", "skov.jpg", "en"),
        ("ræv", "skov.jpg", "en"),
        ("elefant", "dyrepark.jpg", "en"), ("næsehorn", "dyrepark.jpg", "et"),
        ("løve", "dyrepark.jpg", "en"), ("firben", "dyrepark.jpg", "et"),
    ],
}

# The scenes only Danish has: ground and extra figures that carry no word.
SCENES01 = {
    "stue.jpg": ("room", ["🪴"]), "vej.jpg": ("street", ["🚦"]), "bondegaard.jpg": ("farm", ["🌾"]),
    "skov.jpg": ("wood", ["🍄"]), "dyrepark.jpg": ("grass", ["🌴"]),
}

# ------------------------------------------------------------------ Game 2: hint and sentence
# (word, hint, the sentence up to the word)
GAME02 = {
    DEFAULT: [
        ("æble", "Det kan man spise.", "Jeg spiser et"),
        ("bold", "Den kan man sparke til.", "Vi spiller med en"),
        ("seng", "Den sover man i.", "Om natten sover jeg i min"),
        ("bog", "Den kan man læse i.", "Jeg kan læse i en"),
        ("kat", "Den siger miav.", "Dyret, der spinder, er en"),
        ("kop", "Man drikker af den.", "Jeg drikker kakao af en"),
        ("hund", "Den siger vov.", "Dyret, der gør, er en"),
        ("sol", "Den skinner om dagen.", "Højt på himlen skinner en gul"),
    ],
    ANIMALS: [
        ("ko", "Den siger muh.", "Vi får mælk fra en"),
        ("and", "Den siger rap.", "På søen svømmer en"),
        ("frø", "Den er grøn.", "I dammen hopper en lille"),
        ("høne", "Den lægger æg.", "Et æg kommer fra en"),
        ("hest", "Man kan ride på den.", "Jeg rider på en"),
        ("løve", "Den brøler.", "Dyrenes konge er en"),
        ("gris", "Den er lyserød.", "I mudderet ligger en"),
        ("kanin", "Den har lange ører.", "Jeg giver en gulerod til min"),
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
GAME05 = {
    DEFAULT: [
        ("æble", "Hvad kan man spise?"), ("bold", "Hvad kan man sparke til?"),
        ("seng", "Hvor sover du?"), ("bog", "Hvad kan man læse i?"),
        ("stol", "Hvad sidder du på?"), ("ur", "Hvad viser, hvad klokken er?"),
        ("sko", "Hvad har du på foden?"), ("paraply", "Hvad holder dig tør, når det regner?"),
    ],
    ANIMALS: [
        ("bi", "Hvem laver honning?"), ("kat", "Hvem siger miav?"),
        ("ko", "Hvem giver os mælk?"), ("hund", "Hvem siger vov?"),
        ("fisk", "Hvem bor i vandet?"), ("høne", "Hvem lægger æg?"),
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
GAME07 = {
    DEFAULT: [
        ("park.jpg", "En", "hund", "løber på græsset."),
        ("park.jpg", "En blå", "fugl", "sidder i græsset."),
        ("park.jpg", "Jeg kan se en gul", "blomst", "i græsset."),
        ("beach.jpg", "En", "båd", "sejler på havet."),
        ("beach.jpg", "Jeg kan se en rød", "krabbe", "på sandet."),
        ("beach.jpg", "Der står en blå", "spand", "på sandet."),
        ("farm.jpg", "En", "ko", "siger muh."),
        ("farm.jpg", "En", "høne", "har lagt et æg."),
        ("farm.jpg", "En lyserød", "gris", "står i græsset."),
    ],
    ANIMALS: [
        ("pond.jpg", "En", "and", "svømmer i vandet."),
        ("pond.jpg", "En grøn", "frø", "sidder i græsset."),
        ("pond.jpg", "En", "fisk", "svømmer ved anden."),
        ("jungle.jpg", "En", "abe", "kan lide bananer."),
        ("jungle.jpg", "En lang", "slange", "ligger i græsset."),
        ("jungle.jpg", "En stor", "tiger", "har striber."),
        ("snow.jpg", "En hvid", "bjørn", "er ude i sneen."),
        ("snow.jpg", "En", "sæl", "ligger på isen."),
        ("snow.jpg", "En rød", "ræv", "løber i sneen."),
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
    DEFAULT: ["bil", "bog", "bold", "brød", "bus", "båd", "drage", "dør", "flag", "glas", "hat", "hus",
              "hånd", "kage", "kjole", "kop", "lys", "løg", "mælk", "måne", "nøgle", "ost", "pølse",
              "pære", "seng", "ske", "sko", "skål", "smør", "sok", "sol", "spand", "stol", "sæbe", "telt", "tog",
              "træ"],
    ANIMALS: ["abe", "and", "bi", "bjørn", "egern", "fisk", "frø", "fugl", "ged", "gris", "gås", "hest",
              "hjort", "hval", "høne", "kamel", "kanin", "kat", "ko", "lam", "løve", "mus", "myre", "panda", "ræv",
              "snegl", "sæl", "tiger", "ugle", "ulv", "zebra", "æsel", "ørn"],
}

# ------------------------------------------------------------------ Game 10: ja/nej questions on a scene (0 ja, 1 nej)
# The English scenes: a red car and no dog, a cat in the bedroom, and so on.
GAME10 = {
    DEFAULT: [
        ("street.jpg", "Er der en bus?", 0), ("street.jpg", "Er bilen blå?", 1),
        ("street.jpg", "Kan du se et træ?", 0),
        ("bedroom.jpg", "Er der en seng?", 0), ("bedroom.jpg", "Er der en kat?", 0),
        ("bedroom.jpg", "Kan du se en hund?", 1),
        ("picnic.jpg", "Regner det?", 1), ("picnic.jpg", "Kan du se en kage?", 0),
        ("picnic.jpg", "Er der en fisk?", 1),
    ],
    ANIMALS: [
        ("meadow.jpg", "Er der en hest?", 0), ("meadow.jpg", "Kan du se en ko?", 0),
        ("meadow.jpg", "Er der en løve?", 1),
        ("river.jpg", "Kan du se en and?", 0), ("river.jpg", "Er der en elefant?", 1),
        ("river.jpg", "Kan du se en frø?", 0),
        ("night.jpg", "Er det nat?", 0), ("night.jpg", "Kan du se solen?", 1),
        ("night.jpg", "Er der en ugle?", 0),
    ],
}

# ------------------------------------------------------------------ Game 11: point out the words in order
# Sentences without commas: every word ends at a blank, the last one at the full stop. The
# game speaks no single Danish words, only the whole sentence.
GAME11 = {
    DEFAULT: [
        ("cat.jpg", "Katten står på måtten."),
        ("cat.jpg", "Jeg kan se en kat."),
        ("ball.jpg", "Vi leger med en bold."),
        ("ball.jpg", "Jeg sparker til bolden."),
    ],
    ANIMALS: [
        ("dog.jpg", "Hunden kan løbe."),
        ("dog.jpg", "Min hund er stor."),
        ("bird.jpg", "En fugl sidder i træet."),
        ("bird.jpg", "Fuglen kan synge."),
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
        ("kop", ["kop", "kok", "kap", "top"]), ("hund", ["hånd", "hund", "mund", "hun"]),
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
        ("stol", ["stok", "stol", "stor", "stål"]), ("sok", ["sko", "søm", "som", "sok"]),
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
# (word, plural, how many are shown); the button says the number word and the noun, with
# "en" or "et" for one thing by the word's gender.
GAME14 = {
    DEFAULT: [
        ("æble", "æbler", 1), ("bold", "bolde", 2), ("bog", "bøger", 1), ("kage", "kager", 4),
        ("bil", "biler", 2), ("kop", "kopper", 3), ("hat", "hatte", 4), ("stjerne", "stjerner", 3),
        ("sok", "sokker", 2), ("drage", "drager", 3),
    ],
    ANIMALS: [
        ("bi", "bier", 4), ("kat", "katte", 1), ("ko", "køer", 2), ("hund", "hunde", 3),
        ("and", "ænder", 2), ("fisk", "fisk", 4), ("frø", "frøer", 3), ("lam", "lam", 1),
        ("gris", "grise", 4), ("snegl", "snegle", 2),
    ],
}
NUMBER_WORDS = {2: "to", 3: "tre", 4: "fire"}
# The words of these lists that take "et"; the rest take "en".
NEUTER = {"æble", "lam"}

# ------------------------------------------------------------------ Game 15: steer to the words
GAME15 = {
    DEFAULT: ["æble", "bold", "seng", "bog", "kat", "kop", "hund", "sol", "bil", "hat", "stjerne", "træ"],
    ANIMALS: ["bi", "ko", "and", "fisk", "ræv", "frø", "høne", "løve", "ugle", "gris", "sæl", "zebra"],
}
