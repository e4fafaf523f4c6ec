#pragma once
// Balances of accounts and the settling of pending transaction edits. A
// transaction adds its amount when its item is income (type 2) and takes it away
// when the item is outgoing (type 3); any other transaction is not counted.
#include <QString>
#include <utility>

#include "core/dates.h"

namespace pk {

class TdmData;

// Net balance of all accounts at the start of the given day: the transactions
// dated before that day's midnight plus the opening balances of accounts whose
// balance date is before it. The time of day of date plays no part.
double AllAccountsBalanceBefore(TdmData& data, DayNumber date);

// Opening balances of the accounts whose balance date lies from first's midnight
// to the midnight that starts the day after last, both ends included.
double OpeningBalancesBetween(TdmData& data, DayNumber first, DayNumber last);

// The account's balance date; 0 when there is no such account or no date.
DayNumber GetAccountBalanceDate(TdmData& data, int accID);

bool AccountHasTransactions(TdmData& data, int accID);

// Stores currentBalance := initialBalance + income - outgoings over all the
// account's transactions, whatever their dates. No such account: no change.
void RecalcAccountBalance(TdmData& data, int accID);

// (initialBalance, currentBalance) as stored; (0, 0) when there is no such account.
std::pair<double, double> GetAccountBalances(TdmData& data, int accID);

// Settles the pending-edit marks of all transactions. commit: rows being replaced
// (saved 2) go and rows written by the editor (saved 1) become committed; otherwise
// rows written by the editor go and rows being replaced return to committed.
void FinishPendingEdits(TdmData& data, bool commit);

// The item that an earlier imported transaction with this description used, when
// it has the given type and is neither of the two generic import items; the last
// such transaction decides. 0 when none.
int FindLearnedImportItem(TdmData& data, const QString& description, int type,
                          int importItemA, int importItemB);

}  // namespace pk
