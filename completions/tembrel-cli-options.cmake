# Every option and subcommand of tembrel-cli: the one list from which the build
# makes the shell completions for bash, zsh and fish. The packaging tests compare
# it with `tembrel-cli --help` and with what the program accepts, so an option
# added to the program and not here (or a calendar code, a language) fails them.
#
#   tembrel_cli_option(NAMES <-x> <--name>...
#                      [TEXT <what> | CHOICES <value>... | FILE <what>]
#                      [SUBCOMMAND <name>] HELP <text>)
#     TEXT: the option takes a value typed by hand (nothing to offer);
#     CHOICES: one of the values listed; FILE: a file name. Without any of the
#     three the option is a flag. SUBCOMMAND: an option of that subcommand
#     (default: of the main command line).
#   tembrel_cli_subcommand(<name> [ARGS <name>...] HELP <text>)

tembrel_cli_option(NAMES -1 --first TEXT date HELP "first date field")
tembrel_cli_option(NAMES -d --diff TEXT difference HELP "date difference field")
tembrel_cli_option(NAMES -2 --second TEXT date HELP "second date field")
# The calendar codes, in the order of the table of notations.
set(calendar_codes CE JC JDN ORD ISO LPW LPM HEB ISL PER COP ETH IND RJ EGY ARM FRE BAH MAY CHN
  MJD RD LIL UNX XLS)
tembrel_cli_option(NAMES --first-cal CHOICES ${calendar_codes} HELP "notation of the first date")
tembrel_cli_option(NAMES --second-cal CHOICES ${calendar_codes}
  HELP "notation of the second date")
tembrel_cli_option(NAMES --months HELP "the difference counts calendar months")
tembrel_cli_option(NAMES --include-first HELP "include the first date in day counts")
tembrel_cli_option(NAMES --weekdays-only HELP "count only working days")
tembrel_cli_option(NAMES --weekend TEXT LIST HELP "the days off each week, or none")
tembrel_cli_option(NAMES --holidays TEXT REGION HELP "public holidays of these regions are days off")
tembrel_cli_option(NAMES --holidays-file FILE holidays HELP "a file of your own holidays")
tembrel_cli_option(NAMES --workdays-file FILE workdays HELP "a file of extra working days")
tembrel_cli_option(NAMES --terse HELP "verbose off")
tembrel_cli_option(NAMES --no-hyphen HELP "ordinal and ISO week dates without hyphens")
tembrel_cli_option(NAMES --order CHOICES ymd dmy mdy HELP "CE and JC date order")
tembrel_cli_option(NAMES --sep CHOICES - / . HELP "CE and JC date separator")
tembrel_cli_option(NAMES --thousands CHOICES , . none HELP "thousands separator")
tembrel_cli_option(NAMES --lang CHOICES en de HELP "language of words and messages")
tembrel_cli_option(NAMES --format CHOICES text json tsv
  HELP "print report lines, JSON Lines or tab-separated values")
tembrel_cli_option(NAMES --batch HELP "read first dates from standard input")
tembrel_cli_option(NAMES --today TEXT YYYY-MM-DD HELP "take this date as today")
tembrel_cli_option(NAMES -h --help HELP "print the usage")
tembrel_cli_option(NAMES --version HELP "print the version and the data files found")

tembrel_cli_subcommand(month ARGS YEAR MONTH HELP "print the grid of a month")
tembrel_cli_option(SUBCOMMAND month NAMES --monday HELP "weeks begin on Monday")
tembrel_cli_option(SUBCOMMAND month NAMES --julian HELP "a month of the Julian calendar")
tembrel_cli_option(SUBCOMMAND month NAMES --iso HELP "add the ISO week dates")
tembrel_cli_option(SUBCOMMAND month NAMES --with-year HELP "ISO week dates with the year's digit")
tembrel_cli_option(SUBCOMMAND month NAMES --lang CHOICES en de HELP "language of the weekday names")
tembrel_cli_option(SUBCOMMAND month NAMES --holidays TEXT REGION HELP "mark the holidays of these regions")
tembrel_cli_option(SUBCOMMAND month NAMES --holidays-file FILE holidays HELP "mark the holidays of a file")
tembrel_cli_option(SUBCOMMAND month NAMES -h --help HELP "print the usage")

tembrel_cli_subcommand(all ARGS DATE HELP "print a date in every notation")
tembrel_cli_option(SUBCOMMAND all NAMES --first-cal CHOICES ${calendar_codes}
  HELP "notation of the date")
tembrel_cli_option(SUBCOMMAND all NAMES --order CHOICES ymd dmy mdy HELP "date order")
tembrel_cli_option(SUBCOMMAND all NAMES --sep CHOICES - / . HELP "date separator")
tembrel_cli_option(SUBCOMMAND all NAMES --thousands CHOICES , . none HELP "thousands separator")
tembrel_cli_option(SUBCOMMAND all NAMES --no-hyphen HELP "ordinal and ISO week dates without hyphens")
tembrel_cli_option(SUBCOMMAND all NAMES --lang CHOICES en de HELP "language of the names")
tembrel_cli_option(SUBCOMMAND all NAMES -h --help HELP "print the usage")
tembrel_cli_subcommand(holidays ARGS REGION YEAR HELP "list the public holidays of a year")
tembrel_cli_option(SUBCOMMAND holidays NAMES --lang CHOICES en de HELP "language of the names")
tembrel_cli_option(SUBCOMMAND holidays NAMES -h --help HELP "print the usage")
