#!/usr/bin/perl
# SPDX-License-Identifier: GPL-3.0-or-later
# Reads a JSON report and checks the fields Gradescope's autograder documents for results.json:
# a numeric score (and max_score), and tests each with a string name, numeric score and
# max_score, string output, status "passed" or "failed" and visibility one of Gradescope's four.
# `grade` writes an array of such objects, each with its program. Prints what it read, one line
# a program and one a test, for comparison with hand-worked expectations.
use strict;
use warnings;
use JSON::PP;

local $/;
open(my $in, '<', $ARGV[0]) or die "$ARGV[0]: $!\n";
my $report = JSON::PP->new->decode(<$in>);
my @programs = ref $report eq 'ARRAY' ? @$report : ($report);
my %visibility = map { $_ => 1 } qw(hidden after_due_date after_published visible);

sub number { my ($v, $what) = @_; die "$what is not a number\n" unless defined $v && !ref $v && $v =~ /^-?\d+(\.\d+)?$/; $v }
sub text { my ($v, $what) = @_; die "$what is not a string\n" unless defined $v && !ref $v; $v }

for my $program (@programs) {
    my $name = ref $report eq 'ARRAY' ? text($program->{program}, 'program') : '-';
    my ($score, $max) = (number($program->{score}, 'score'), number($program->{max_score}, 'max_score'));
    my $sum = 0;
    print "$name $score/$max\n";
    for my $test (@{ $program->{tests} }) {
        my $label = text($test->{name}, 'name');
        my $points = number($test->{score}, "$label score");
        number($test->{max_score}, "$label max_score");
        my $status = text($test->{status}, "$label status");
        die "$label status $status\n" unless $status eq 'passed' || $status eq 'failed';
        die "$label visibility\n" unless $visibility{ text($test->{visibility}, "$label visibility") };
        $sum += $points;
        printf "  %s %s/%s %s %s: %s\n", $label, $points, $test->{max_score}, $status, $test->{visibility},
            text($test->{output}, "$label output");
    }
    die "$name: score $score is not the sum $sum of its tests\n" unless $sum == $score;
}
