#pragma once

// How many rows paging through the archive keeps in view: half of the rows
// the archive shows at once, counting at most 20; 5 when it holds fewer than
// two songs or shows at most one row. Rows counts the header row.
int Scrollabstand(int Rows, int sichtbareZeilen);
