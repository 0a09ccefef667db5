// The reference of the expression language that `help query` prints. Every line of
// the examples that starts with "  ovelin-cli query '" is run by the tests.

#include "cli/cli_help.h"

namespace ovelin::cli {

std::string_view QueryLanguageHelp() {
  return R"(The query language

An expression names sets and view sets and combines them with three operators. The command
query EXPR evaluates one; a view set stores one (view add NAME EXPR).

Operators
  A+B   union: the items of A and the items of B, each item once
  A^B   intersection: the items that are in both A and B
  A-B   difference: the items of A that are not in B

  ^ binds tighter than + and -; + and - have the same rank and group from left to right:
  A+B^C means A+(B^C), A-B+C means (A-B)+C, A-B-C means (A-B)-C. Parentheses group:
  (A+B)^C. Spaces around operators and parentheses are allowed. Errors: an empty group (),
  an operator at either end or two in a row, an unclosed ( or a stray ), and an operand
  next to a group with no operator between them, as in A(B).

Names
  Every operand starts with the name of a set or of a view set, written exactly (case
  matters). A set stands for its own items and the items of all its sub-sets, at any depth.
  Names never contain spaces or any of < > / \ | ; : " ? . + - ( ) ^, so a name is written
  as it is: there is no quoting for names, and quotes are only for text values.

View sets
  A view set is an expression saved under a name (view add NAME EXPR). It has no items of
  its own: wherever its name appears, its current expression is evaluated afresh, as if it
  were written there in parentheses. A view set name takes no conditions. A view set that
  refers to itself, directly or through other view sets, fails.

Conditions
  Words after the name, separated by spaces, narrow the set's items by property values:
    Size>5  Size>=5  Size<5  Size<=5  Size=5  Size!=3
                     one bound; != keeps the values below and above
    1<Size<=5        a range: value, operator, property, operator, value, with < <= > >=
                     only; 5>Size>1 is a range too, 1<Size>5 is an error
    Author="Lu Xun"  a text value, in double quotes; numbers go without quotes
  A condition is one word: no spaces inside it except within the quotes of a text value.
  With several conditions an item must meet all of them: Books Pages>100 Pages<=300.
  The property must be defined on the set or inherited from a parent set, and the value
  must be of its type: quoted for a text (STRING) property, unquoted for a NUMBER one.
  Numbers compare as numbers, texts character by character and case-sensitive; an item
  without a value counts as 0, or as the empty text. A quoted value may hold spaces and
  + - ^ ( ), but no double quote. A negative number cannot be written: outside quotes a
  minus sign is always the difference operator.

The empty set
  The whole expression #空集# is the empty set; A-A, for one, is shown as #空集#. It is not
  the name of a set, so it cannot be combined with other operands.

What query prints
  First the normalised expression: view sets replaced by their expressions, parentheses
  around a bare name dropped, operands contained in others removed (A+A is A; a sub-set
  united with its parent is the parent); then one line per item, in path order.

Examples, for a library with the sets Books (properties Author, text, and Pages, a number),
its sub-set Novels, which inherits both, Photos (Year, a number, and Place, text) and
Travel, and the view set Reading with the expression Novels+Travel:
  ovelin-cli query 'Books+Photos'
      every book and every photo
  ovelin-cli query 'Books-Novels'
      the books that are not novels
  ovelin-cli query 'Novels+Books'
      the same items as Books, since Novels is a sub-set of it; the first line printed is Books
  ovelin-cli query 'Photos+Books^Travel'
      every photo, and the books that are also in Travel: ^ binds first
  ovelin-cli query '(Photos+Books)^Travel'
      the photos and books that are in Travel
  ovelin-cli query 'Books Pages>300'
      books of more than 300 pages
  ovelin-cli query 'Photos 2010<=Year<2020 Place="New York"'
      photos from the years 2010 to 2019 taken in New York
  ovelin-cli query 'Novels Author="Lu Xun" + Books Pages!=0'
      Lu Xun's novels, and the books whose page count is known
  ovelin-cli query 'Reading-Books Author="Lu Xun"'
      what the view set Reading holds, without Lu Xun's books
  ovelin-cli query '#空集#'
      nothing: the empty set

See also: ovelin-cli query --help, ovelin-cli view --help.
)";
}

}  // namespace ovelin::cli
