"""The Danish language files, line for line beside the English ones in texts.py: the position
in a list is the line number the program asks for, so lines are never reordered and unused ones
stay in place. Written for children who are learning to read and for the adults beside them."""

DANISH = {
    "menu.txt": [
        "Tavlo",                                   # 0 title, first player's name
        "Spil",                                    # 1
        "Indstillinger",                           # 2
        "Musik",                                   # 3
        "Afslut",                                  # 4
        "Spiller",                                 # 5
        "Svar",                                    # 6 statistics: all answers
        "Rigtige",                                 # 7 statistics: right answers
        "Forkerte",                                # 8 statistics: wrong answers
        "Hvad hedder den nye spiller?",            # 9 new player dialog
        "Version",                                 # 10 about: before the version number
        # 11 to 20: what the options menu's buttons do, shown when pointed at
        "Tilbage",                                 # 11 leave this screen
        "Spillere",                                # 12
        "Svar indtil nu",                          # 13 statistics
        "Belønningslyde",                          # 14
        "Lydeffekter",                             # 15
        "To kontakter: én flytter, én vælger",     # 16
        "Én kontakt: rammen flytter sig selv",     # 17
        "Sekunder for hvert trin af rammen",       # 18 scanning time
        "Hjælp",                                   # 19
        "Om Tavlo",                                # 20
        # 21 to 24: the statistics buttons, shown when pointed at
        "Udskriv denne side",                      # 21
        "Slet alle svar",                          # 22
        "Forrige side",                            # 23
        "Næste side",                              # 24
        "Klik på et spil for at vælge dets ordliste og belønninger; "
        "stjernen viser det i menuen.",            # 25 options menu: under the games
        "Kontakter og skanning",                   # 26 options menu: the access button, its dialog
        "Vis dette spil i menuen",                 # 27 options menu: a game's star, spoken
        # 28 to 30: the game's frame buttons, spoken when scanning reaches them
        "Lyt",                                     # 28
        "Næste",                                   # 29
        "Stop",                                    # 30
    ],
    "games.txt": [
        "En eller et?",
        "Billedsætninger",
        "Ja eller nej?",
        "Hvilken sætning passer?",
        "Svar med et billede",
        "Mal billedet",
        "Hvilket ord mangler?",
        "Gør sætningen færdig",
        "Billedkrydsord",
        "Se og svar",
        "Ord for ord",
        "Hvilket ord hørte du?",
        "Sæt ord på billederne",
        "Hvor mange?",
        "Styr hen til ordene",
    ],
    "rewards.txt": [
        "Godt klaret!",
        "Flot!",
        "Du klarede det!",
        "Super!",
        "Fantastisk!",
        "Sejt!",
        "Hurra!",
        "Dygtigt læst!",
    ],
    "options.txt": [
        "Ordliste",                                # 0
        "Bland rækkefølgen",                       # 1
        "Vis belønningsdyret",                     # 2
        "Runder før dyret kommer",                 # 3
        "Fart",                                    # 4 game 15
        # 5 to 15: the switches and scanning dialog
        "Sig hvert valg højt, når rammen når det",  # 5
        "Kontakten der flytter rammen",            # 6
        "Kontakten der vælger",                    # 7
        "Tryk på kontakten nu",                    # 8 shown while a switch is learnt
        "Et tryk tæller efter",                    # 9 acceptance time
        "Pause efter et valg",                     # 10
        "Ekstra tid på det første valg",           # 11
        "Runder før rammen hviler",                # 12
        "aldrig",                                  # 13 the rounds' value 0
        "I spil skannes også lyt, næste og stop",  # 14
        "De to kontakter skal være forskellige.",  # 15
    ],
    "profiles.txt": [
        "Ny spiller",                              # 0
        "Slet den valgte spiller",                 # 1
        "Start forfra med denne spiller",          # 2
        "OK: spil som den valgte spiller",         # 3
        "Skriv den nye spillers navn.",            # 4 new player: no name typed
        "Tavlo kan ikke gemme en spiller med det navn. Undlad tegnene / og \\, "
        "og begynd ikke navnet med et punktum.",   # 5 new player: a name refused
        "%1 er allerede en spiller og er nu valgt.",  # 6 %1 stands for the name
        "Vil du slette spilleren %1? Spillerens indstillinger og svar går tabt.",        # 7
        "Vil du starte spilleren %1 forfra? Spillerens indstillinger og svar går tabt.",  # 8
        # 9 and 10: the letters of the on-screen keyboard in rows, split at blanks; the
        # capitals stand where their small letters stand. Æ, Ø and Å end the alphabet.
        "abcdefgh ijklmnop qrstuvwx yzæøå-'",      # 9
        "ABCDEFGH IJKLMNOP QRSTUVWX YZÆØÅ-'",      # 10
        "mellemrum",                               # 11 the key that types a blank
        "visk ud",                                 # 12 the key that takes back a letter
    ],
    "information.txt": [
        "Tavlo kunne ikke åbne ordlisten",                                            # 0
        "til dette spil, eller den har for få ord. Vælg en anden ordliste.",          # 1
        "Billedet",                                                                   # 2
        "blev ikke fundet. Spillet fortsætter uden det.",                             # 3
        "Tavlo kunne ikke lave et krydsord af denne ordliste. "
        "Vælg en liste med flere ord på fire eller fem bogstaver.",                   # 4
        "Ja", "Nej", "OK",                                                            # 5 to 7 message box buttons
        "Tavlo kunne ikke finde eller oprette sin datamappe %1. Se efter i paths.txt i "
        "programmappen, og om der må skrives i mappen.",                              # 8 %1 the folder
        "Tavlo gemmer sine spillere og ordlister i sin egen mappe, "
        "og den mappe mangler. Skal Tavlo oprette den nu?",                           # 9
        "Tavlo kunne ikke gemme spillerens indstillinger og svar. Se efter, "
        "at der må skrives i datamappen, og at disken ikke er fuld.",                 # 10
        "Spillerens indstillingsfil var ødelagt, så Tavlo har startet spilleren "
        "forfra. Den ødelagte fil er gemt i mappen profiles som",                     # 11
        "Tavlo er allerede åben med denne datamappe, på denne computer eller "
        "på en anden. Luk Tavlo der først.",                                          # 12
        "har flere ord, end et spil kan rumme. Vælg en kortere ordliste.",            # 13
        # 14 to 17: printing the statistics; %1 stands for a printer, a file or a name
        "Siden blev sendt til printeren %1.",                                         # 14
        "Ingen printer svarede, så siden blev gemt som %1",                           # 15
        "Siden kunne hverken udskrives eller gemmes i %1.",                           # 16
        "Vil du slette svarene i alle spil for %1?",                                  # 17
        "Fejl",                                                                       # 18
    ],
    "defaultlist.txt": ["Hverdagsord"],
    "credits.txt": [
        "Tavlo, et læseprogram for børn",
        "Billeder fra Noto Color Emoji (SIL Open Font License 1.1); lyde lavet med SoX",
    ],
    # Help: even lines name a key or switch, the odd line after it says what it does.
    "help.txt": [
        "Klik", "Vælg det, du peger på",
        "Højreklik", "Hør et ord uden at svare",
        "Mellemrum eller \u2192", "Flyt den blå ramme frem",
        "\u2190", "Flyt den blå ramme tilbage",
        "Enter", "Vælg det, der er i den blå ramme",
        "Én kontakt", "Rammen går selv: tryk for at vælge",
        "To kontakter", "Mellemrum flytter, Enter vælger",
        "Esc", "Gå ud af spillet eller denne skærm",
        "Page Down", "Spring til næste billede",
        "F1", "Indstillinger for dette spil",
        "F2", "Hør det igen",
        "F5 og F6", "Mindre og større skrift",
        "F7", "Normal skriftstørrelse",
        "F8", "Normal skrifttype og størrelse",
        "F9", "Vælg skrifttype",
        "A til O", "Hovedmenuen: åbn spil 1 til 15",
        "Bogstaver", "Spil 9: skriv ordet",
        "Piletaster", "Spil 15: styr dyret",
        "Enter", "Spil 15: hold nede for mere fart",
        "F3", "Spil 15: hold pause og fortsæt",
    ],
    # Game 1: the little words that go in the blank; a word list's Correct0 and Correct1
    # mark which of them fits each word.
    "Game01data.txt": ["en", "et"],
    # Game 3: the answer buttons, ja then nej; they also name the recordings of ja and nej.
    "Game03data.txt": ["Ja", "Nej"],
    # Game 10: the answers, 0 ja and 1 nej; they name the answer recordings.
    "Game10data.txt": ["ja", "nej"],
}

# Lines printed into the about screen's credits picture.
CREDITS_PICTURE_LINES = [
    "Tavlo, et læseprogram for børn",
    "",
    "Lavet til børn, der er ved at lære at læse,",
    "med mus, tastatur eller en eller to kontakter.",
    "",
    "Billederne er tegnet ud fra Noto Color Emoji fra Google,",
    "brugt under SIL Open Font License 1.1.",
    "Skrift: Liberation Sans (GNU GPL 2 med fontundtagelsen).",
    "Lyde og musik lavet med SoX. Tale fra eSpeak NG.",
]

# The words drawn into the main menu's game buttons (see pictures.game_button).
GAME_BUTTON_WORDS = {
    1: ["en / et"],
    2: ["Jeg ser", "en ___."],
    4: ["Den svømmer.", "Den flyver."],
    7: ["En", "___ er", "rød."],
    8: ["En hund", "gør."],
    9: ["BIL", "SOL"],
    11: ["Katten", "kan", "lege."],
    12: ["sol", "sal", "sæl", "sok"],
    13: ["hund", "kat"],
    14: ["tre"],
    15: ["kat"],
}
