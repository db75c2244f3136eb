"""The languages the generator makes, with what differs between them: the language files,
the words drawn into pictures, the word lists, the voice, and the few rules of grammar the
word lists need (the order of Game 6, the number words of Game 14).

A language is named by its folder: lang/<code>/ in the program folder, content/<code>/ for
its word lists, speech/<code>/ in the data folder, gfx/menu/<code>/ for its pictures.
"""

import re

import content_lists
import content_lists_den
import texts as texts_eng
import texts_den


class English:
    code = "eng"
    texts = texts_eng.ENGLISH
    lists = content_lists
    button_words = texts_eng.GAME_BUTTON_WORDS
    credits_lines = texts_eng.CREDITS_PICTURE_LINES
    # A clear, slow British voice.
    voice = "en-gb"
    # Game 11 speaks a word the child right-clicks, so every word of its sentences is recorded.
    records_sentence_words = True

    def picture(self, word):
        """The name (without ".png") of the word's picture under images/."""
        return word

    # Articles said weakly, as a reader says them before the word to come.
    WEAK_ARTICLES = {"a": "[[@]]", "an": "[[@n]]"}

    def spoken(self, text):
        """The text as eSpeak NG should read it. A lone "a" is the short word, not the letter.
        A sentence that stops on "a" or "an" (Game 2's sentences stop before their missing word)
        keeps the article weak, as a reader says it before the word to come; eSpeak would
        otherwise stress a last "a" as the letter's name."""
        if text == "a" or text == "A":
            return "[[@]]"
        words = text.split(" ")
        if len(words) > 1 and words[-1] in self.WEAK_ARTICLES:
            return " ".join(words[:-1] + [self.WEAK_ARTICLES[words[-1]]])
        return text

    def paint_order(self, word, colour):
        return f"Paint the {word} {colour}."

    def number_word(self, word, count):
        return self.lists.NUMBER_WORDS[count]


class Danish:
    code = "den"
    texts = texts_den.DANISH
    lists = content_lists_den
    button_words = texts_den.GAME_BUTTON_WORDS
    credits_lines = texts_den.CREDITS_PICTURE_LINES
    voice = "da"
    # Game 11 speaks no single Danish words, so only its sentences are recorded.
    records_sentence_words = False

    def picture(self, word):
        if word in self.lists.PICTURES:
            return self.lists.PICTURES[word]
        if word not in self.lists.EMOJI:
            raise KeyError(f"den: the word {word!r} has no picture (content_lists_den.PICTURES or EMOJI)")
        return word

    def spoken(self, text):
        """The text with the words the voice reads wrongly spelled the way it reads them right."""
        respell = self.lists.RESPELL
        if not respell:
            return text
        return re.sub(r"[^\W\d_]+", lambda m: respell.get(m.group(0).lower(), m.group(0)), text)

    def paint_order(self, word, colour, order):
        # Danish orders are written out whole: the noun takes its definite form and the
        # colour follows its gender ("Mal bolden rød", "Mal æblet rødt").
        return order

    def number_word(self, word, count):
        if count == 1:
            return "et" if word in self.lists.NEUTER else "en"
        return self.lists.NUMBER_WORDS[count]


ALL = [English(), Danish()]
